#include "platform/RoundedDecimal.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace vantrel {
namespace {

__extension__ typedef unsigned __int128 Wide;

constexpr int kMostDigits = 17;

// 10^0 to 10^38, the largest a 128-bit integer holds.
constexpr std::array<Wide, 39> kPowersOfTen = [] {
  std::array<Wide, 39> powers{};
  Wide power = 1;
  for (Wide& p : powers) {
    p = power;
    power *= 10;
  }
  return powers;
}();

std::uint64_t TenTo(int n) { return static_cast<std::uint64_t>(kPowersOfTen[n]); }

// A positive finite double as m·2^q, m below 2^53.
struct Binary {
  std::uint64_t m;
  int q;
};

Binary Decompose(double value) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  const int exponent = static_cast<int>((bits >> 52) & 0x7FF);
  const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
  if (exponent == 0) return {fraction, -1074};
  return {fraction | (std::uint64_t{1} << 52), exponent - 1075};
}

// m·2^q / 10^k rounded half to even, when that and every step to it fit
// (the result in 64 bits, the rest in 128).
bool Scaled(Binary x, int k, std::uint64_t& result) {
  // m·10^-k stays below 2^53·2^74.
  if (k < -22 || k > 38) return false;
  Wide numerator = x.m;
  Wide denominator = 1;
  if (k < 0)
    numerator *= kPowersOfTen[-k];
  else
    denominator = kPowersOfTen[k];
  Wide quotient = 0;
  Wide remainder = 0;
  if (x.q >= 0) {
    if (x.q > 127 || (numerator >> (127 - x.q)) != 0) return false;
    numerator <<= x.q;
    quotient = numerator / denominator;
    remainder = numerator - quotient * denominator;
  } else if (k <= 0) {
    // A power of two below: a shift.
    if (x.q < -127) return false;
    denominator = Wide{1} << -x.q;
    quotient = numerator >> -x.q;
    remainder = numerator & (denominator - 1);
  } else {
    if (x.q < -127 || (denominator >> (127 + x.q)) != 0) return false;
    denominator <<= -x.q;
    quotient = numerator / denominator;
    remainder = numerator - quotient * denominator;
  }
  const Wide rest = denominator - remainder;
  if (remainder > rest || (remainder == rest && (quotient & 1) != 0)) ++quotient;
  if ((quotient >> 64) != 0) return false;
  result = static_cast<std::uint64_t>(quotient);
  return true;
}

// Exactly `count` digits of the value, leading zeros included.
char* WriteDigits(char* out, std::uint64_t value, int count) {
  for (int i = count - 1; i >= 0; --i) {
    out[i] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
  return out + count;
}

char* WriteExponent(char* out, int exponent) {
  *out++ = 'e';
  *out++ = exponent < 0 ? '-' : '+';
  // A double's decimal exponent has three digits at most.
  return WriteDigits(out, static_cast<std::uint64_t>(exponent < 0 ? -exponent : exponent), 3);
}

}  // namespace

char* WriteRoundedDecimal(char* first, char* last, double value, char conversion, int precision) {
  if (last - first < 64 || !std::isfinite(value) || value == 0 || precision < 0) return nullptr;
  char* out = first;
  if (value < 0) *out++ = '-';
  const Binary x = Decompose(std::fabs(value));

  if (conversion == 'f') {
    std::uint64_t scaled = 0;
    if (precision > kMostDigits || !Scaled(x, -precision, scaled)) return nullptr;
    // The whole part: 20 digits at most, and the buffer holds 64.
    out = std::to_chars(out, out + 20, scaled / TenTo(precision)).ptr;
    if (precision == 0) return out;
    *out++ = '.';
    return WriteDigits(out, scaled % TenTo(precision), precision);
  }

  // The significant digits and the decimal exponent of the rounded value. The
  // first guess of the exponent, floor(log2 · log10 2) or one less, is
  // corrected until the digits are as many as asked for; rounding up to the
  // next power of ten gives one digit more, read as the next exponent.
  const int digits = conversion == 'e' ? precision + 1 : (precision == 0 ? 1 : precision);
  if (digits > kMostDigits) return nullptr;
  int exponent = ((x.q + static_cast<int>(std::bit_width(x.m)) - 1) * 1233) >> 12;
  std::uint64_t significand = 0;
  for (int tries = 0;; ++tries) {
    if (tries == 4 || !Scaled(x, exponent - (digits - 1), significand)) return nullptr;
    if (significand < TenTo(digits - 1)) {
      --exponent;
    } else if (significand >= TenTo(digits)) {
      ++exponent;
      if (significand == TenTo(digits)) {
        significand = TenTo(digits - 1);
        break;
      }
    } else {
      break;
    }
  }
  char text[kMostDigits];
  WriteDigits(text, significand, digits);

  // %g drops trailing zeros, and writes exponents from -4 to below its
  // precision in fixed form.
  int kept = digits;
  if (conversion == 'g') {
    while (kept > 1 && text[kept - 1] == '0') --kept;
    if (exponent >= -4 && exponent < digits) {
      if (exponent < 0) {
        *out++ = '0';
        *out++ = '.';
        std::memset(out, '0', static_cast<std::size_t>(-exponent - 1));
        out += -exponent - 1;
        std::memcpy(out, text, static_cast<std::size_t>(kept));
        return out + kept;
      }
      std::memcpy(out, text, static_cast<std::size_t>(exponent + 1));
      out += exponent + 1;
      if (kept > exponent + 1) {
        *out++ = '.';
        std::memcpy(out, text + exponent + 1, static_cast<std::size_t>(kept - exponent - 1));
        out += kept - exponent - 1;
      }
      return out;
    }
  }
  *out++ = text[0];
  if (kept > 1) {
    *out++ = '.';
    std::memcpy(out, text + 1, static_cast<std::size_t>(kept - 1));
    out += kept - 1;
  }
  return WriteExponent(out, exponent);
}

}  // namespace vantrel
