// Any text as a custom-unit entry of the settings file, and as a "Numbers"
// input: loading and converting must never crash.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/TextEncoding.h"
#include "units/BuiltinCatalogue.h"
#include "units/NumberBase.h"
#include "units/UnitCatalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vantrel;
  static CUnitCatalogue* catalogue = [] {
    auto* built = new CUnitCatalogue;
    BuildBuiltinCatalogue(*built);
    return built;
  }();
  const std::wstring text = Utf8ToWide(std::string_view(reinterpret_cast<const char*>(data), size));
  const int result = catalogue->LoadCustomUnitEntry(text);
  if (result == 4) {
    // Take it out again so that the catalogue stays small between runs.
    for (const auto& [name, category] : catalogue->Categories()) {
      if (catalogue->SelectCategory(name) &&
          catalogue->RemoveUnit(text.substr(0, text.find(L"=@"))) == 4)
        break;
    }
  }
  (void)ConvertNumberBase(text, L"base-16 (hexadecimal)", L"base-02 (binary)");
  (void)ConvertNumberBase(L"7fffffff", text, text);
  return 0;
}
