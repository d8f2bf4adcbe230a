#include "expr/PlainNumber.h"

#include <charconv>
#include <system_error>

namespace vantrel::expr {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The length of the run of digits at `from`.
std::size_t Digits(std::string_view text, std::size_t from) {
  std::size_t n = from;
  while (n < text.size() && IsDigit(text[n])) ++n;
  return n - from;
}

}  // namespace

bool read_plain_decimal(std::string_view text, ME_TYPE& value) {
  if (text.empty() || text.size() >= static_cast<std::size_t>(MX_MATH_EXPRESSION_LENGTH))
    return false;
  // A leading sign is the evaluator's first operator: 0 + x or 0 - x, so
  // "-0" is +0 there.
  const char sign = text[0];
  const std::size_t start = (sign == '-' || sign == '+') ? 1 : 0;
  std::size_t i = start;
  const std::size_t whole = Digits(text, i);
  i += whole;
  std::size_t fraction = 0;
  if (i < text.size() && text[i] == '.') {
    fraction = Digits(text, ++i);
    i += fraction;
  }
  if (whole + fraction == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    // After a point the evaluator would take a sign in the exponent for an
    // operator ("5.e-3" is 5 - 3).
    if (!IsDigit(text[i - 1])) return false;
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t exponent = Digits(text, i);
    if (exponent == 0) return false;
    i += exponent;
  }
  if (i != text.size()) return false;
  ME_TYPE read = 0;
  const auto [end, error] = std::from_chars(text.data() + start, text.data() + text.size(), read);
  if (error != std::errc() || end != text.data() + text.size()) return false;
  value = sign == '-' ? 0.0 - read : read;
  return true;
}

}  // namespace vantrel::expr
