// The result writer against three other writers of the same text: the
// printf layer (FormatText with the mode's format string), the C library's
// snprintf and std::to_chars, whose exponents get their third digit here. Every double is
// written in all 19 formats (automatic, scientific and fixed with precision
// 0 to 8). VANTREL_FORMAT_SAMPLES sets how many doubles (default 12000);
// after a change to the writer run it once with 10000000.
#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>

#include "platform/NumberText.h"
#include "units/ResultFormat.h"

namespace vantrel {
namespace {

// Random bit patterns (subnormals, huge and tiny values, infinities and NaNs
// among them), subnormals alone, exact decimal ties of every precision,
// integers ending in 5 (ties of %e and %g), the neighbours of powers of ten
// where %g changes notation, magnitudes spread evenly over all exponents and
// over those of everyday results, and products such as conversions make.
double Sample(std::mt19937_64& random, std::uint64_t i) {
  const bool negative = random() & 1;
  double value = 0;
  switch (i % 8) {
    case 0:
      return std::bit_cast<double>(random());
    case 1:
      return std::bit_cast<double>(random() & 0x800FFFFFFFFFFFFFULL);
    case 2: {
      // An odd multiple of 2^-(p+1) has p+1 decimals, the last a 5.
      const int places = static_cast<int>(random() % 9) + 1;
      value = std::ldexp(static_cast<double>((random() % (1 << 24)) | 1), -places);
      break;
    }
    case 3: {
      const int digits = static_cast<int>(random() % 16) + 1;
      value = std::floor(static_cast<double>(random() % 100000000000000000ULL) /
                         std::pow(10.0, 17 - digits)) *
                  10 +
              5;
      break;
    }
    case 4: {
      const double power = std::pow(10.0, static_cast<int>(random() % 25) - 12);
      const double near[] = {power,
                             std::nextafter(power, 0.0),
                             std::nextafter(power, HUGE_VAL),
                             power * (1 - 5e-9),
                             power * (1 + 5e-9),
                             power * (1 - 5e-10)};
      value = near[random() % 6];
      break;
    }
    case 5:
      value = std::pow(10.0, std::uniform_real_distribution<double>(-330, 309)(random));
      break;
    case 6:
      value = std::pow(10.0, std::uniform_real_distribution<double>(-17, 28)(random));
      break;
    default:
      value = static_cast<double>(random() % 100000) / 10 *
              std::uniform_real_distribution<double>(1e-6, 1e6)(random);
      break;
  }
  return negative ? -value : value;
}

// A three-digit exponent, as this program writes it.
std::string Widened(std::string text) {
  const std::size_t e = text.find('e');
  if (e != std::string::npos && text.size() - e == 4) text.insert(e + 2, 1, '0');
  return text;
}

// The text of snprintf and of std::to_chars with this program's rules: a NaN
// shows no sign.
std::string LibraryText(const char* format, int precision, double value) {
  if (std::isnan(value)) return "nan";
  char text[400];
  const int n = std::snprintf(text, sizeof text, format, precision, value);
  return Widened(std::string(text, static_cast<std::size_t>(n)));
}
std::string ToCharsText(std::chars_format format, int precision, double value) {
  if (std::isnan(value)) return "nan";
  char text[400];
  return Widened(
      std::string(text, std::to_chars(text, text + sizeof text, value, format, precision).ptr));
}

TEST(ResultText, SameAsThePrintfLayerSnprintfAndToChars) {
  const char* const count = std::getenv("VANTREL_FORMAT_SAMPLES");
  const std::uint64_t samples = count ? std::strtoull(count, nullptr, 10) : 12000;
  std::mt19937_64 random(20250);
  std::uint64_t mismatches = 0;
  char buffer[ResultFormat::kCapacity];
  for (std::uint64_t i = 0; i < samples && mismatches < 10; ++i) {
    const double value = Sample(random, i);
    for (int format = 0; format < 19; ++format) {
      const ResultMode mode = format == 0   ? ResultMode::kAutomatic
                              : format < 10 ? ResultMode::kScientific
                                            : ResultMode::kFixed;
      const int precision = format == 0 ? 8 : (format - 1) % 9;
      const char* const printf = format == 0 ? "%1.*g" : format < 10 ? "%1.*e" : "%1.*f";
      const std::chars_format style = format == 0   ? std::chars_format::general
                                      : format < 10 ? std::chars_format::scientific
                                                    : std::chars_format::fixed;
      const std::string_view written(buffer, ResultFormat{mode, precision}.Write(value, buffer));
      const std::string layer = FormatText(printf, precision, value);
      const std::string library = LibraryText(printf, precision, value);
      const std::string toChars = ToCharsText(style, precision, value);
      if (written != layer || written != library || written != toChars) {
        ++mismatches;
        ADD_FAILURE() << printf << " " << precision << " of " << std::bit_cast<std::uint64_t>(value)
                      << ": " << written << " | " << layer << " | " << library << " | " << toChars;
      }
    }
  }
  EXPECT_EQ(mismatches, 0u);
}

}  // namespace
}  // namespace vantrel
