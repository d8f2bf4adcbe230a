// The linear rule, the three result formats and number-base conversion.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "units/NumberBase.h"
#include "units/ResultFormat.h"
#include "units/UnitCatalogue.h"

namespace vantrel {
namespace {

CUnit Unit(double coefficient, double offset = 0, int inverted = 0) {
  CUnit unit;
  unit.coefficient = coefficient;
  unit.offset = offset;
  unit.inverted = inverted;
  return unit;
}

TEST(ConvertValueTest, OutputOffsetComesOffBeforeTheReciprocal) {
  // Inverted output with an offset: c2 / (x*c1 + o1 - o2), not c2/(x*c1+o1) - o2.
  EXPECT_DOUBLE_EQ(ConvertValue(3, Unit(2, 1), Unit(10, 2, 1)), 10.0 / (6 + 1 - 2));
  // Inverted input: (1/x)*c1.
  EXPECT_DOUBLE_EQ(ConvertValue(4, Unit(8, 0, 1), Unit(1)), 2.0);
  EXPECT_DOUBLE_EQ(ConvertValue(7, Unit(3, 5), Unit(2, 1)), (21.0 + 5 - 1) / 2);
  EXPECT_TRUE(std::isinf(ConvertValue(0, Unit(100, 0, 1), Unit(1))));
}

struct FormatCase {
  int mode;
  int precision;
  double value;
  const char* expected;
};

TEST(ResultFormatTest, WritesEachModeWithThreeDigitExponents) {
  const FormatCase cases[] = {
      {0, 5, 212, "212"},
      {0, 5, 1e10, "1e+010"},
      {0, 5, 123456789, "1.2345679e+008"},
      {0, 5, 0.00001, "1e-005"},
      {0, 5, 0.0001, "0.0001"},
      {1, 5, 212, "2.12000e+002"},
      {1, 0, 212, "2e+002"},
      {2, 8, 212.000000024, "212.00000002"},
      {2, 0, 212.4, "212"},
      {2, 2, -1.005, "-1.00"},
      {3, 5, 212, ""},
      {-1, 5, 212, ""},
      {2, 99, 1, "1.00000000"},  // a hand-edited precision is held to 8
  };
  for (const FormatCase& c : cases) {
    const ResultFormat format{static_cast<ResultMode>(c.mode), c.precision};
    EXPECT_EQ(format.Format(c.value), c.expected) << c.mode << " " << c.precision << " " << c.value;
  }
}

TEST(ResultFormatTest, NonFiniteResultsHaveAText) {
  const ResultFormat automatic;
  EXPECT_EQ(automatic.Format(std::numeric_limits<double>::infinity()), "inf");
  EXPECT_EQ(automatic.Format(std::numeric_limits<double>::quiet_NaN()), "nan");
}

struct BaseCase {
  const char* input;
  const char* from;
  const char* to;
  const char* expected;
};

TEST(ConvertNumberBaseTest, FollowsEveryRule) {
  const BaseCase cases[] = {
      {"ff", "base-16 (hexadecimal)", "base-10 (decimal)", "255"},
      {"255", "base-10 (decimal)", "base-02 (binary)", "11111111"},
      {"-1", "base-10 (decimal)", "base-16 (hexadecimal)", "ffffffff"},
      {"-1", "base-10 (decimal)", "base-02 (binary)", "11111111111111111111111111111111"},
      {"-255", "base-10 (decimal)", "base-10 (decimal)", "-255"},
      {"12z", "base-10 (decimal)", "base-10 (decimal)", "12"},
      {"2147483648", "base-10 (decimal)", "base-16 (hexadecimal)", "Error"},
      {"99999999999999999999", "base-10 (decimal)", "base-10 (decimal)", "Error"},
      {"-2147483648", "base-10 (decimal)", "base-10 (decimal)", "-2147483648"},
      {"-2147483649", "base-10 (decimal)", "base-10 (decimal)", "Error"},
      {"2147483647", "base-10 (decimal)", "base-36", "zik0zj"},
      {"zz", "base-36", "base-10 (decimal)", "1295"},
      {"ZZ", "base-36", "base-10 (decimal)", "1295"},
      {"  +0x1F", "base-16 (hexadecimal)", "base-10 (decimal)", "31"},
      // Blanks as a text box knows them, not only ASCII ones.
      {"\u00A0\u30005", "base-10 (decimal)", "base-10 (decimal)", "5"},
      {"0xg", "base-16 (hexadecimal)", "base-10 (decimal)", "0"},
      {"0x1F", "base-10 (decimal)", "base-10 (decimal)", "0"},
      {"", "base-10 (decimal)", "base-16 (hexadecimal)", "0"},
      {"abc", "base-10 (decimal)", "base-16 (hexadecimal)", "0"},
      {"1012", "base-02 (binary)", "base-10 (decimal)", "5"},
      {"7", "base-07", "base-10 (decimal)", "0"},
      {"1", "base-01", "base-10 (decimal)", "Error"},
      {"1", "base-10 (decimal)", "base-37", "Error"},
      {"1", "mile", "base-10 (decimal)", "Error"},
      {"10", "(base-16)", "base-10 (decimal)", "16"},
  };
  for (const BaseCase& c : cases)
    EXPECT_EQ(ConvertNumberBase(c.input, c.from, c.to), c.expected)
        << c.input << " " << c.from << " -> " << c.to;
}

TEST(ConvertNumberBaseTest, ReadsTheBaseOutOfTheName) {
  EXPECT_EQ(BaseOfUnitName("base-16 (hexadecimal)"), 16);
  EXPECT_EQ(BaseOfUnitName("base-07"), 7);
  EXPECT_EQ(BaseOfUnitName("-5"), -5);  // a dash in first place is not a separator
  EXPECT_EQ(BaseOfUnitName("b-(x)-9"), 0);
}

}  // namespace
}  // namespace vantrel
