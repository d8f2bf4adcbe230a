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
  const wchar_t* expected;
};

TEST(ResultFormatTest, WritesEachModeWithThreeDigitExponents) {
  const FormatCase cases[] = {
      {0, 5, 212, L"212"},
      {0, 5, 1e10, L"1e+010"},
      {0, 5, 123456789, L"1.2345679e+008"},
      {0, 5, 0.00001, L"1e-005"},
      {0, 5, 0.0001, L"0.0001"},
      {1, 5, 212, L"2.12000e+002"},
      {1, 0, 212, L"2e+002"},
      {2, 8, 212.000000024, L"212.00000002"},
      {2, 0, 212.4, L"212"},
      {2, 2, -1.005, L"-1.00"},
      {3, 5, 212, L""},
      {-1, 5, 212, L""},
      {2, 99, 1, L"1.00000000"},  // a hand-edited precision is held to 8
  };
  for (const FormatCase& c : cases) {
    const ResultFormat format{static_cast<ResultMode>(c.mode), c.precision};
    EXPECT_EQ(format.Format(c.value), c.expected) << c.mode << " " << c.precision << " " << c.value;
  }
}

TEST(ResultFormatTest, NonFiniteResultsHaveAText) {
  const ResultFormat automatic;
  EXPECT_EQ(automatic.Format(std::numeric_limits<double>::infinity()), L"inf");
  EXPECT_EQ(automatic.Format(std::numeric_limits<double>::quiet_NaN()), L"nan");
}

struct BaseCase {
  const wchar_t* input;
  const wchar_t* from;
  const wchar_t* to;
  const wchar_t* expected;
};

TEST(ConvertNumberBaseTest, FollowsEveryRule) {
  const BaseCase cases[] = {
      {L"ff", L"base-16 (hexadecimal)", L"base-10 (decimal)", L"255"},
      {L"255", L"base-10 (decimal)", L"base-02 (binary)", L"11111111"},
      {L"-1", L"base-10 (decimal)", L"base-16 (hexadecimal)", L"ffffffff"},
      {L"-1", L"base-10 (decimal)", L"base-02 (binary)", L"11111111111111111111111111111111"},
      {L"-255", L"base-10 (decimal)", L"base-10 (decimal)", L"-255"},
      {L"12z", L"base-10 (decimal)", L"base-10 (decimal)", L"12"},
      {L"2147483648", L"base-10 (decimal)", L"base-16 (hexadecimal)", L"Error"},
      {L"99999999999999999999", L"base-10 (decimal)", L"base-10 (decimal)", L"Error"},
      {L"-2147483648", L"base-10 (decimal)", L"base-10 (decimal)", L"-2147483648"},
      {L"-2147483649", L"base-10 (decimal)", L"base-10 (decimal)", L"Error"},
      {L"2147483647", L"base-10 (decimal)", L"base-36", L"zik0zj"},
      {L"zz", L"base-36", L"base-10 (decimal)", L"1295"},
      {L"ZZ", L"base-36", L"base-10 (decimal)", L"1295"},
      {L"  +0x1F", L"base-16 (hexadecimal)", L"base-10 (decimal)", L"31"},
      // Blanks as a text box knows them, not only ASCII ones.
      {L"\u00A0\u30005", L"base-10 (decimal)", L"base-10 (decimal)", L"5"},
      {L"0xg", L"base-16 (hexadecimal)", L"base-10 (decimal)", L"0"},
      {L"0x1F", L"base-10 (decimal)", L"base-10 (decimal)", L"0"},
      {L"", L"base-10 (decimal)", L"base-16 (hexadecimal)", L"0"},
      {L"abc", L"base-10 (decimal)", L"base-16 (hexadecimal)", L"0"},
      {L"1012", L"base-02 (binary)", L"base-10 (decimal)", L"5"},
      {L"7", L"base-07", L"base-10 (decimal)", L"0"},
      {L"1", L"base-01", L"base-10 (decimal)", L"Error"},
      {L"1", L"base-10 (decimal)", L"base-37", L"Error"},
      {L"1", L"mile", L"base-10 (decimal)", L"Error"},
      {L"10", L"(base-16)", L"base-10 (decimal)", L"16"},
  };
  for (const BaseCase& c : cases)
    EXPECT_EQ(ConvertNumberBase(c.input, c.from, c.to), c.expected)
        << c.input << L" " << c.from << L" -> " << c.to;
}

TEST(ConvertNumberBaseTest, ReadsTheBaseOutOfTheName) {
  EXPECT_EQ(BaseOfUnitName(L"base-16 (hexadecimal)"), 16);
  EXPECT_EQ(BaseOfUnitName(L"base-07"), 7);
  EXPECT_EQ(BaseOfUnitName(L"-5"), -5);  // a dash in first place is not a separator
  EXPECT_EQ(BaseOfUnitName(L"b-(x)-9"), 0);
}

}  // namespace
}  // namespace vantrel
