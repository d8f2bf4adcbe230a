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
std::string_view TakeLine(std::string_view& rest, std::string_view otherwise) {
  const auto end = rest.find('\n');
  if (end == std::string_view::npos) {
    const std::string_view line = rest.empty() ? otherwise : rest;
    rest = {};
    return line;
  }
  const std::string_view line = rest.substr(0, end);
  rest.remove_prefix(end + 1);
  return line;
}

bool IsDigitOfBase(char c, int base) {
  const int value = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'z' ? c - 'a' + 10 : 99;
  return value < base;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vantrel;
  constexpr std::string_view kDecimal = "base-10 (decimal)";
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  const std::string_view value = TakeLine(rest, "");
  const std::string_view from = TakeLine(rest, kDecimal);
  const std::string_view to = TakeLine(rest, kDecimal);

  const std::string result = ConvertNumberBase(value, from, to);
  if (result == "Error") return 0;
  const int base = BaseOfUnitName(to);
  if (result.empty() || base < 2 || base > 36) std::abort();
  for (std::size_t i = 0; i < result.size(); ++i)
    if (!IsDigitOfBase(result[i], base) &&
        !(i == 0 && base == 10 && result[i] == '-' && result.size() > 1))
      std::abort();
  const std::string decimal = ConvertNumberBase(value, from, kDecimal);
  if (ConvertNumberBase(decimal, kDecimal, to) != result) std::abort();
  return 0;
}
