#include <gtest/gtest.h>
#include <locale.h>

#include <cmath>
#include <limits>
#include <string>

#include "platform/NumberText.h"

namespace vantrel {
namespace {

struct FormatCase {
  const char* format;
  double value;
  int precision;  // used by the %1.*e and %1.*f forms
  const char* expected;
};

class FormatDoubles : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatDoubles, MatchesTheWindowsLayout) {
  const FormatCase& c = GetParam();
  const std::string text = std::string(c.format).find('*') != std::string::npos
                               ? FormatText(c.format, c.precision, c.value)
                               : FormatText(c.format, c.value);
  EXPECT_EQ(text, c.expected) << c.format << " with " << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    ResultFormats, FormatDoubles,
    ::testing::Values(
        // Automatic format: eight significant digits, three-digit exponents.
        FormatCase{"%1.8g", 1e10, 0, "1e+010"},
        FormatCase{"%1.8g", 123456789.0, 0, "1.2345679e+008"},
        FormatCase{"%1.8g", 0.00001, 0, "1e-005"}, FormatCase{"%1.8g", 212.0, 0, "212"},
        FormatCase{"%1.8g", 1e24, 0, "1e+024"}, FormatCase{"%1.8g", -273.15, 0, "-273.15"},
        FormatCase{"%1.8g", 1.0 / 3.0, 0, "0.33333333"}, FormatCase{"%1.8g", 170.18, 0, "170.18"},
        FormatCase{"%1.8g", 1e-10, 0, "1e-010"}, FormatCase{"%1.8g", 0.0, 0, "0"},
        FormatCase{"%1.8g", 1e300, 0, "1e+300"}, FormatCase{"%1.8g", 12345678.0, 0, "12345678"},
        // Scientific format with a precision.
        FormatCase{"%1.*e", 212.0, 5, "2.12000e+002"}, FormatCase{"%1.*e", 212.0, 0, "2e+002"},
        FormatCase{"%1.*e", -0.5, 3, "-5.000e-001"}, FormatCase{"%1.*e", 1e-300, 2, "1.00e-300"},
        // Fixed format with a precision.
        FormatCase{"%1.*f", 212.00000002, 8, "212.00000002"}, FormatCase{"%1.*f", 2.5, 0, "2"},
        FormatCase{"%1.*f", 3.5, 0, "4"}, FormatCase{"%1.*f", -1.25, 1, "-1.2"},
        FormatCase{"%1.*f", 1e22, 2, "10000000000000000000000.00"},
        // Other forms the program uses.
        FormatCase{"%1.14g", 3.14159265358979312, 0, "3.1415926535898"},
        FormatCase{"%1.3f", 3734419.5468, 0, "3734419.547"},
        FormatCase{"%.17g", 0.1, 0, "0.10000000000000001"}, FormatCase{"%G", 1e-20, 0, "1E-020"},
        FormatCase{"%+8.2f", 3.14159, 0, "   +3.14"}, FormatCase{"%-8.1f|", 2.0, 0, "2.0     |"},
        FormatCase{"%08.2f", -3.5, 0, "-0003.50"}, FormatCase{"%#.0f", 3.0, 0, "3."},
        FormatCase{"%#g", 1e10, 0, "1.00000e+010"}));

TEST(FormatNonFinite, HasOneDocumentedText) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(FormatText("%1.8g", inf), "inf");
  EXPECT_EQ(FormatText("%1.8g", -inf), "-inf");
  EXPECT_EQ(FormatText("%1.8g", nan), "nan");
  EXPECT_EQ(FormatText("%1.8g", -nan), "nan");
  EXPECT_EQ(FormatText("%1.*e", 3, inf), "inf");
  EXPECT_EQ(FormatText("%1.*f", 2, -inf), "-inf");
  EXPECT_EQ(FormatText("%E", inf), "INF");
  EXPECT_EQ(FormatText("%5g|", inf), "  inf|");
}

TEST(FormatOthers, IntegersCharactersAndText) {
  EXPECT_EQ(FormatText("%d", -2147483647 - 1), "-2147483648");
  EXPECT_EQ(FormatText("%d %c", 16, 'S'), "16 S");
  EXPECT_EQ(FormatText("%5d|%-5d|%05d", 42, 42, -42), "   42|42   |-0042");
  EXPECT_EQ(FormatText("%x %X %o %u", 255u, 255u, 8u, 4000000000u), "ff FF 10 4000000000");
  EXPECT_EQ(FormatText("%lld %zu", -5LL, static_cast<size_t>(7)), "-5 7");
  EXPECT_EQ(FormatText("'%s' %.3s %ls", "a b", "abcdef", L"µm²"), "'a b' abc µm²");
  EXPECT_EQ(FormatText("100%%"), "100%");
  EXPECT_EQ(FormatText("%lc%ls", L'µ', L"𝄞°C"), "µ𝄞°C");
}

TEST(FormatInto, TruncatesAndReportsTheFullLength) {
  char buffer[8];
  EXPECT_EQ(FormatInto(buffer, sizeof buffer, "%s-%d", "abcdef", 12345), 12);
  EXPECT_STREQ(buffer, "abcdef-");
  EXPECT_EQ(FormatInto(buffer, 1, "%d", 5), 1);
  EXPECT_STREQ(buffer, "");
}

struct ParseCase {
  const char* text;
  double value;
  int consumed;
};

class ParseDoubles : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseDoubles, FollowStrtodPrefixRules) {
  const ParseCase& c = GetParam();
  const char* end = nullptr;
  const double v = ParseDouble(c.text, &end);
  if (std::isnan(c.value)) {
    EXPECT_TRUE(std::isnan(v));
  } else {
    EXPECT_EQ(v, c.value) << c.text;
  }
  EXPECT_EQ(end - c.text, c.consumed) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Prefixes, ParseDoubles,
    ::testing::Values(ParseCase{"12.5", 12.5, 4}, ParseCase{"  -1.5e3xyz", -1500.0, 8},
                      ParseCase{"+.5", 0.5, 3}, ParseCase{"03.123", 3.123, 6},
                      ParseCase{"1e-0.6", 1.0, 4}, ParseCase{"2e", 2.0, 1},
                      ParseCase{"3,5", 3.0, 1}, ParseCase{"abc", 0.0, 0}, ParseCase{"", 0.0, 0},
                      ParseCase{"-", 0.0, 0}, ParseCase{"1e5e3", 100000.0, 3},
                      ParseCase{"\t\n 7", 7.0, 4}, ParseCase{"1e999", HUGE_VAL, 5},
                      ParseCase{"0x1A", 26.0, 4}, ParseCase{"inf", HUGE_VAL, 3},
                      ParseCase{"nan", std::nan(""), 3}));

TEST(ParseIntegers, FollowStrtolPrefixRules) {
  const char* end = nullptr;
  EXPECT_EQ(ParseLong("  -42abc", &end, 10), -42);
  EXPECT_STREQ(end, "abc");
  EXPECT_EQ(ParseLong("ff", nullptr, 16), 255);
  EXPECT_EQ(ParseLong("0xff", nullptr, 16), 255);
  EXPECT_EQ(ParseLong("zz", nullptr, 36), 1295);
  EXPECT_EQ(ParseLong("x", &end, 10), 0);
  EXPECT_EQ(ParseLong("5", nullptr, 1), 0);
  EXPECT_EQ(ParseLeadingInt("12abc"), 12);
  EXPECT_EQ(ParseLeadingInt(" -1"), -1);
  EXPECT_EQ(ParseLeadingInt("abc"), 0);
  EXPECT_EQ(ParseLeadingInt("99999999999999"), 2147483647);
  EXPECT_EQ(ParseLeadingInt("2²"), 2);
  EXPECT_EQ(ParseDouble(std::string_view(" 1.25e2 m")), 125.0);
}

// The plain decimal form of typed values and stored coefficients: unlike
// strtod no hexadecimal, inf or nan, and an 'e' without digits is no exponent.
TEST(DecimalPrefix, ReadsOnlyThePlainDecimalForm) {
  const struct {
    const char* text;
    std::size_t length;
    double value;
  } cases[] = {
      {"12.5", 4, 12.5}, {"  -1.5e3xyz", 8, -1500},
      {"+.5", 3, 0.5},   {"2e", 1, 2},
      {"1e-0.6", 4, 1},  {"1e5e3", 3, 100000},
      {"3,5", 1, 3},     {"0x1A", 1, 0},
      {"inf", 0, 0},     {"nan", 0, 0},
      {".", 0, 0},       {"-", 0, 0},
      {"\t\n 7", 4, 7},  {"", 0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DecimalPrefixLength(c.text), c.length) << c.text;
    EXPECT_EQ(ParseDecimalPrefix(c.text), c.value) << c.text;
  }
  // Read from its own span only, however long the number.
  const std::string digits = std::string(100, '1') + "9";
  EXPECT_EQ(ParseDecimalPrefix(std::string_view(digits).substr(0, 100)),
            ParseDouble(std::string(100, '1').c_str()));
}

// Qt sets the process locale from the environment, so a comma-decimal locale
// must change nothing.
TEST(LocaleIndependence, CommaDecimalLocaleChangesNothing) {
  const char* names[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8", "nl_NL.UTF-8"};
  locale_t comma = nullptr;
  for (const char* name : names) {
    comma = newlocale(LC_ALL_MASK, name, static_cast<locale_t>(nullptr));
    if (comma) break;
  }
  if (!comma) GTEST_SKIP() << "no comma-decimal locale is installed on this machine";
  const locale_t previous = uselocale(comma);
  char probe[16];
  std::snprintf(probe, sizeof probe, "%.1f", 1.5);
  EXPECT_STREQ(probe, "1,5") << "the locale really uses a comma";
  EXPECT_EQ(FormatText("%1.8g", 1234.5), "1234.5");
  EXPECT_EQ(FormatText("%1.*e", 2, 0.25), "2.50e-001");
  EXPECT_EQ(FormatText("%#.1f", 2.0), "2.0");
  EXPECT_EQ(ParseDouble("1.5"), 1.5);
  EXPECT_EQ(ParseDouble("1,5"), 1.0);
  uselocale(previous);
  freelocale(comma);
}

}  // namespace
}  // namespace vantrel
