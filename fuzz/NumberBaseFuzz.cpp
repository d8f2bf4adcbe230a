// "Numbers" conversion on its own: the input is "VALUE\nFROM UNIT\nTO UNIT"
// (missing lines are decimal). Any text must give "Error" or digits of the
// output base, and going through decimal must change nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/TextEncoding.h"
#include "units/NumberBase.h"

namespace {

// Cuts the text at the next line end; the rest is empty when there is none.
std::wstring_view TakeLine(std::wstring_view& rest, std::wstring_view otherwise) {
  const auto end = rest.find(L'\n');
  if (end == std::wstring_view::npos) {
    const std::wstring_view line = rest.empty() ? otherwise : rest;
    rest = {};
    return line;
  }
  const std::wstring_view line = rest.substr(0, end);
  rest.remove_prefix(end + 1);
  return line;
}

bool IsDigitOfBase(wchar_t c, int base) {
  const int value = c >= L'0' && c <= L'9' ? c - L'0' : c >= L'a' && c <= L'z' ? c - L'a' + 10 : 99;
  return value < base;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vantrel;
  constexpr std::wstring_view kDecimal = L"base-10 (decimal)";
  const std::wstring text = Utf8ToWide(std::string_view(reinterpret_cast<const char*>(data), size));
  std::wstring_view rest = text;
  const std::wstring_view value = TakeLine(rest, L"");
  const std::wstring_view from = TakeLine(rest, kDecimal);
  const std::wstring_view to = TakeLine(rest, kDecimal);

  const std::wstring result = ConvertNumberBase(value, from, to);
  if (result == L"Error") return 0;
  const int base = BaseOfUnitName(to);
  if (result.empty() || base < 2 || base > 36) std::abort();
  for (std::size_t i = 0; i < result.size(); ++i)
    if (!IsDigitOfBase(result[i], base) &&
        !(i == 0 && base == 10 && result[i] == L'-' && result.size() > 1))
      std::abort();
  const std::wstring decimal = ConvertNumberBase(value, from, kDecimal);
  if (ConvertNumberBase(decimal, kDecimal, to) != result) std::abort();
  return 0;
}
