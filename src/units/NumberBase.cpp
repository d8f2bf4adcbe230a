#include "units/NumberBase.h"

#include <cstdint>

#include "platform/Blanks.h"
#include "platform/NumberText.h"

namespace vantrel {
namespace {

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return 99;
}

// Reads a signed integer of the base; false when it leaves the 32-bit range.
// Accumulating in 64 bits and stopping once past the range keeps long digit
// runs from overflowing.
bool ReadInteger(std::string_view text, int base, std::int32_t& value) {
  std::size_t i = 0;
  while (const std::size_t blank = i < text.size() ? BlankAt(text, i) : 0) i += blank;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  // "0x" counts as a prefix only when a hex digit follows; "0xg" reads as 0.
  if (base == 16 && i + 2 < text.size() && text[i] == '0' &&
      (text[i + 1] == 'x' || text[i + 1] == 'X') && DigitValue(text[i + 2]) < 16)
    i += 2;
  constexpr std::int64_t kLimit = std::int64_t{1} << 31;  // magnitude of INT32_MIN
  std::int64_t magnitude = 0;
  bool outOfRange = false;
  for (; i < text.size(); ++i) {
    const int digit = DigitValue(text[i]);
    if (digit >= base) break;
    if (!outOfRange) {
      magnitude = magnitude * base + digit;
      if (magnitude > kLimit) outOfRange = true;
    }
  }
  if (outOfRange || (!negative && magnitude == kLimit)) return false;
  value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
  return true;
}

std::string WriteInteger(std::int32_t value, int base) {
  static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  const bool minus = base == 10 && value < 0;
  std::uint32_t rest = minus ? 0u - static_cast<std::uint32_t>(value)
                             : static_cast<std::uint32_t>(value);  // two's complement
  char buffer[40];
  char* p = buffer + 40;
  do {
    *--p = kDigits[rest % static_cast<std::uint32_t>(base)];
    rest /= static_cast<std::uint32_t>(base);
  } while (rest != 0);
  if (minus) *--p = '-';
  return std::string(p, buffer + 40);
}

}  // namespace

int BaseOfUnitName(std::string_view unitName) {
  std::string_view text = unitName;
  if (const auto open = text.find('('); open != std::string_view::npos && open > 0)
    text = text.substr(0, open);
  if (const auto dash = text.find('-'); dash != std::string_view::npos && dash > 0)
    text = text.substr(dash + 1);
  return ParseLeadingInt(text);
}

std::string ConvertNumberBase(std::string_view input, std::string_view inputUnit,
                              std::string_view outputUnit) {
  const int from = BaseOfUnitName(inputUnit);
  const int to = BaseOfUnitName(outputUnit);
  if (from < 2 || from > 36 || to < 2 || to > 36) return std::string(kConversionError);
  std::int32_t value = 0;
  if (!ReadInteger(input, from, value)) return std::string(kConversionError);
  return WriteInteger(value, to);
}

}  // namespace vantrel
