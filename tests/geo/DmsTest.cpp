#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "geo/Dms.h"

namespace vantrel {
namespace {

struct Case {
  double value;
  int degrees, minutes, seconds;
  bool negative;
};

constexpr Case kCases[] = {
    {33.732075, 33, 43, 55, false},
    {-84.90558, -84, 54, 20, true},
    {-0.5, 0, 30, 0, true},  // the sign must survive a zero degree
    {-0.0002778, 0, 0, 1, true},
    {0.5, 0, 30, 0, false},
    {0, 0, 0, 0, false},
    {-1, -1, 0, 0, true},
    {59.99999, 59, 59, 59, false},  // truncated, never rounded up to 60
    {-179.999999, -179, 59, 59, true},
};

TEST(DecimalToDMS, TruncatesEachPart) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::to_string(c.value));
    const DMS d = DecimalToDMS(c.value);
    EXPECT_EQ(d.degrees, c.degrees);
    EXPECT_EQ(d.minutes, c.minutes);
    EXPECT_EQ(d.seconds, c.seconds);
    EXPECT_EQ(d.negative, c.negative);
  }
}

TEST(DMSToDecimal, ReadsBackWithTheSign) {
  EXPECT_NEAR(DMSToDecimal(-84, 54, 20), -84.90556, 5e-6);
  EXPECT_NEAR(DMSToDecimal(33, 43, 55), 33.731944, 1e-6);
  EXPECT_DOUBLE_EQ(DMSToDecimal(0, 30, 0), 0.5);
  EXPECT_DOUBLE_EQ(DMSToDecimal(0, 30, 0, true), -0.5);
  EXPECT_DOUBLE_EQ(DMSToDecimal(-2, 30, 0, false), -2.5);  // negative degrees alone suffice
  EXPECT_DOUBLE_EQ(DMSToDecimal(-2, 30, 0, true), -2.5);   // and the flag does not double it
}

TEST(DegreesText, KeepsTheSignOfAZeroDegree) {
  EXPECT_EQ(DegreesText(DecimalToDMS(-0.5)), "-0");
  EXPECT_EQ(DegreesText(DecimalToDMS(0.5)), "0");
  EXPECT_EQ(DegreesText(DecimalToDMS(-84.90558)), "-84");
  EXPECT_EQ(DegreesText(DMS{0, 0, 0, false}), "0");
}

TEST(DMSToDecimal, RoundTripWithinTruncation) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::to_string(c.value));
    const double back = DMSToDecimal(DecimalToDMS(c.value));
    EXPECT_LE(std::fabs(back), std::fabs(c.value) + 1e-12);  // truncation only shrinks
    EXPECT_NEAR(back, c.value, 1.0 / 3600);
    if (c.value < 0) {
      EXPECT_LT(back, 0);
    }
  }
}

TEST(DecimalToDMS, AbsurdInputStaysDefined) {
  const DMS huge = DecimalToDMS(1e300);
  EXPECT_EQ(huge.degrees, std::numeric_limits<std::int32_t>::max());
  const DMS low = DecimalToDMS(-1e300);
  EXPECT_EQ(low.degrees, -std::numeric_limits<std::int32_t>::max());
  EXPECT_TRUE(low.negative);
  const DMS nan = DecimalToDMS(NAN);
  EXPECT_EQ(nan.degrees, 0);
  EXPECT_FALSE(nan.negative);
  EXPECT_DOUBLE_EQ(DMSToDecimal(std::numeric_limits<std::int32_t>::min(), 0, 0), -2147483648.0);
}

}  // namespace
}  // namespace vantrel
