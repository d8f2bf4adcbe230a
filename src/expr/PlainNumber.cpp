#include "expr/PlainNumber.h"

#include <charconv>
#include <cstdint>
#include <system_error>

#include "platform/Digits.h"

namespace vantrel::expr {
namespace {

// The digits of a literal as one integer and a power of ten, while they fit.
struct Decimal {
  std::uint64_t digits = 0;
  int significant = 0;  // digits counted from the first that is not 0
  int scale = 0;        // the power of ten
  bool exact = true;    // false once more digits came than `digits` holds

  void Add(char c) {
    if (significant == 0 && c == '0') return;
    if (++significant > 19) {
      exact = false;
      return;
    }
    digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
  }
};

// The run of digits at `i`, added to `number` when given; its length.
std::size_t Digits(std::string_view text, std::size_t i, Decimal* number) {
  const std::size_t from = i;
  for (; i < text.size() && IsDigit(text[i]); ++i)
    if (number) number->Add(text[i]);
  return i - from;
}

// Clinger's case: at most 2^53 and a power of ten up to 22, both exact in a
// double, so that one multiplication or division rounds the exact value
// once, as a correct conversion does.
bool Exactly(const Decimal& number, double& value) {
  static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                       1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  if (!number.exact || number.digits > (std::uint64_t{1} << 53) || number.scale < -22 ||
      number.scale > 22)
    return false;
  const auto digits = static_cast<double>(number.digits);
  value = number.scale < 0 ? digits / kPowers[-number.scale] : digits * kPowers[number.scale];
  return true;
}

}  // namespace

bool read_plain_decimal(std::string_view text, ME_TYPE& value) {
  if (text.empty() || text.size() >= static_cast<std::size_t>(MX_MATH_EXPRESSION_LENGTH))
    return false;
  // A leading sign is the evaluator's first operator: 0 + x or 0 - x, so
  // "-0" is +0 there.
  const char sign = text[0];
  const std::size_t start = (sign == '-' || sign == '+') ? 1 : 0;
  Decimal number;
  std::size_t i = start;
  const std::size_t whole = Digits(text, i, &number);
  i += whole;
  std::size_t fraction = 0;
  if (i < text.size() && text[i] == '.') {
    fraction = Digits(text, ++i, &number);
    i += fraction;
    number.scale -= static_cast<int>(fraction);
  }
  if (whole + fraction == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    // After a point the evaluator would take a sign in the exponent for an
    // operator ("5.e-3" is 5 - 3).
    if (!IsDigit(text[i - 1])) return false;
    ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t exponent = Digits(text, i, nullptr);
    if (exponent == 0) return false;
    int power = 0;
    for (std::size_t k = i; k < i + exponent && power < 10000; ++k)
      power = power * 10 + (text[k] - '0');
    number.scale += negative ? -power : power;
    i += exponent;
  }
  if (i != text.size()) return false;
  ME_TYPE read = 0;
  if (!Exactly(number, read)) {
    const auto [end, error] = std::from_chars(text.data() + start, text.data() + text.size(), read);
    if (error != std::errc() || end != text.data() + text.size()) return false;
  }
  value = sign == '-' ? 0.0 - read : read;
  return true;
}

}  // namespace vantrel::expr
