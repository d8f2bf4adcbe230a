#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "CapturingContext.h"
#include "expr/Evaluation.h"
#include "expr/RandomSource.h"

namespace vantrel::expr {
namespace {

using testing::CapturingContext;

struct Case {
  const char* text;
  double value;
};

double Eval(CapturingContext& context, const char* text, ErrorCode& code) {
  return eval_math_expression_xyzt(context.math, text, 0, 0, 0, 0, code, 0);
}

TEST(Functions, ValuesOfTheLibrary) {
  const double pi = 3.141592653589793;
  const Case cases[] = {
      {"pi()", pi},
      {"e()", 2.718281828459045},
      {"sqrt(2.25)", 1.5},
      {"sqr(16)", 4},
      {"exp(0)", 1},
      {"ln(e)", 1},
      {"log(1)", 0},
      {"log10(1000)", 3},
      {"lg(0.01)", -2},
      {"log2(8)", std::log10(8.0) / std::log10(2.0)},
      {"abs(-3)", 3},
      {"signum(-2)", -1},
      {"sign(0)", 0},
      {"signum(5)", 1},
      {"delta(0)", 1},
      {"d(2)", 0},
      {"step(0)", 0.5},
      {"step(-1)", 0},
      {"step(2)", 1},
      {"step_minus(0)", 1},
      {"stepm(-1)", 0},
      {"step_plus(0)", 0},
      {"stepp(1)", 1},
      {"zero_upto_zero(3)", 3},
      {"zero_upto_zero(-3)", 0},
      {"zero_over_zero(-3)", -3},
      {"zero_over_zero(3)", 0},
      {"floor(-2.5)", -3},
      {"ceil(-2.5)", -2},
      {"round(10.5)", 11},
      {"round(-10.5)", -11},
      {"round(10.1)", 10},
      {"round(-10.6)", -11},
      {"frac(-2.75)", -0.75},
      {"int(-2.75)", -2},
      {"trunc(2.75)", 2},
      {"deg2rad(180)", 180 * 0.017453292519943295},
      {"d2r(90)", 90 * 0.017453292519943295},
      {"rad2deg(1)", 57.29577951308232},
      {"r2d(pi)", pi * 57.29577951308232},
      {"sin(pi/2)", 1},
      {"cos(0)", 1},
      {"tg(0.5)", std::tan(0.5)},
      {"tan(0.5)", std::tan(0.5)},
      {"ctg(0.5)", 1 / std::tan(0.5)},
      {"cot(0.5)", 1 / std::tan(0.5)},
      {"sec(0.5)", 1 / std::cos(0.5)},
      {"cosec(0.5)", 1 / std::sin(0.5)},
      {"csc(0.5)", 1 / std::sin(0.5)},
      {"arccos(0.5)", std::acos(0.5)},
      {"acos(1)", 0},
      {"arcsin(1)", std::asin(1.0)},
      {"asin(0.5)", std::asin(0.5)},
      {"arctg(1)", std::atan(1.0)},
      {"atan(2)", std::atan(2.0)},
      {"acot(0)", 1.5707963267948966},
      {"arcctg(1)", 1.5707963267948966 - std::atan(1.0)},
      {"asec(2)", std::acos(0.5)},
      {"arcsec(-2)", std::acos(-0.5)},
      {"acsc(2)", std::asin(0.5)},
      {"arccosec(2)", std::asin(0.5)},
      {"sh(1)", std::sinh(1.0)},
      {"sinh(1)", std::sinh(1.0)},
      {"ch(1)", std::cosh(1.0)},
      {"cosh(1)", std::cosh(1.0)},
      {"th(1)", std::tanh(1.0)},
      {"tanh(1)", std::tanh(1.0)},
      {"cth(1)", 1 / std::tanh(1.0)},
      {"coth(1)", 1 / std::tanh(1.0)},
      {"sech(1)", 1 / std::cosh(1.0)},
      {"sch(1)", 1 / std::cosh(1.0)},
      {"cosech(1)", 1 / std::sinh(1.0)},
      {"csch(1)", 1 / std::sinh(1.0)},
      {"arsh(1)", std::log(1 + std::sqrt(2.0))},
      {"asinh(1)", std::log(1 + std::sqrt(2.0))},
      {"arch(2)", std::log(2 + std::sqrt(3.0))},
      {"acosh(2)", std::log(2 + std::sqrt(3.0))},
      {"arth(0.5)", std::log(3.0) / 2},
      {"atanh(0.5)", std::log(3.0) / 2},
      {"acoth(2)", std::log(3.0) / 2},
      {"arcth(2)", std::log(3.0) / 2},
      {"asech(0.5)", std::log(2 + std::sqrt(3.0))},
      {"arsech(0.5)", std::log(2 + std::sqrt(3.0))},
      {"acsch(1)", std::log(1 + std::sqrt(2.0))},
      {"arcosech(1)", std::log(1 + std::sqrt(2.0))},
      {"min(3,-1)", -1},
      {"max(3,-1)", 3},
      {"value_upto_value(3,5)", 5},
      {"value_upto_value(7,5)", 7},
      {"value_over_value(7,5)", 5},
      {"value_over_value(3,5)", 3},
      {"mod(-7,3)", -1},
      {"mod(7,-3)", 1},
      {"pow(2,10)", 1024},
      {"power(9,0.5)", 3},
      {"atan2(1,1)", std::atan2(1.0, 1.0)},
      {"atan2p(-1,-1)", 3.9269908169872414},
      {"atan2p(1,-1)", 2.356194490192345},
      {"impuls(2,3,1)", 1},
      {"impuls(3,1,3)", 1},
      {"impuls(0,1,3)", 0},
      {"impuls(1,1,1)", 1},
      {"impuls(1.5,1,1)", 0},
      {"max(sin(0),min(2,cos(0)))", 1},
  };
  CapturingContext context;
  for (const Case& c : cases) {
    ErrorCode code{-1};
    EXPECT_DOUBLE_EQ(Eval(context, c.text, code), c.value) << c.text;
    EXPECT_EQ(static_cast<int>(code), 0) << c.text;
  }
}

TEST(Functions, DomainTestsReportAndStillCompute) {
  struct DomainCase {
    const char* text;
    int code;
    double value;  // what the function computes, seen through a sum that clears its code
  };
  const double nan = std::nan("");
  const double inf = HUGE_VAL;
  const DomainCase cases[] = {
      {"sqrt(-4)", 30, nan},
      {"sqr(-1)", 30, nan},
      {"ln(0)", 31, -inf},
      {"log(-1)", 31, nan},
      {"log10(0)", 32, -inf},
      {"lg(-1)", 32, nan},
      {"log2(0)", 33, -inf},
      {"ctg(0)", 34, inf},
      {"cot(0)", 34, inf},
      {"cosec(0)", 36, inf},
      {"csc(0)", 36, inf},
      {"asec(0)", 37, nan},
      {"arcsec(0)", 37, nan},
      {"acsc(0)", 38, nan},
      {"arccosec(0)", 38, nan},
      {"cth(0)", 39, inf},
      {"coth(0)", 39, inf},
      {"csch(0)", 41, inf},
      {"cosech(0)", 41, inf},
      {"asinh(-1e10)", 42, -inf},
      {"arsh(-1e10)", 42, -inf},
      {"acosh(0.5)", 43, nan},
      {"arch(-2)", 44, nan},
      {"atanh(1)", 45, inf},
      {"arth(2)", 46, nan},
      {"acoth(0)", 47, nan},
      {"arcth(0)", 47, nan},
      {"asech(0)", 48, inf},
      {"arsech(0)", 48, inf},
      {"acsch(0)", 49, inf},
      {"arcosech(0)", 49, inf},
      {"atan2(1,0)", 50, 1.5707963267948966},
      {"atan2p(1,0)", 51, 1.5707963267948966},
  };
  CapturingContext capture;
  for (const DomainCase& c : cases) {
    ErrorCode code{-1};
    EXPECT_EQ(eval_math_expression_xyzt(capture.math, c.text, 0, 0, 0, 0, code, 1), c.code)
        << c.text;
    EXPECT_EQ(static_cast<int>(code), c.code) << c.text;
    ErrorCode function_code{-1};
    const double value = eval_math_expression_xyzt(
        capture.math, (std::string(c.text) + "+0").c_str(), 0, 0, 0, 0, function_code, 0);
    if (std::isnan(c.value)) {
      EXPECT_TRUE(std::isnan(value)) << c.text;
    } else {
      EXPECT_EQ(value, c.value) << c.text;
    }
    EXPECT_NE(capture.diagnostics.find(std::string("Error code = ") + std::to_string(c.code)),
              std::string::npos)
        << c.text;
  }
}

TEST(Functions, UnknownNamesGiveZeroWithTheCodeOfTheirArgumentCount) {
  const struct {
    const char* name;
    int code;
  } cases[] = {{"sin()", 9}, {"Max(1)", 10}, {"impuls(1,2)", 11}, {"min(1,2,3)", 11}};
  CapturingContext context;
  for (const auto& c : cases) {
    ErrorCode code{-1};
    EXPECT_EQ(Eval(context, (std::string("1+") + c.name).c_str(), code), c.code) << c.name;
    EXPECT_EQ(static_cast<int>(code), c.code) << c.name;
    EXPECT_EQ(Eval(context, (std::string(c.name) + "+1").c_str(), code), 1) << c.name;
  }
}

TEST(RandomSource, DrawsTheFixedSequence) {
  CapturingContext context;  // a fresh context starts from state 1
  ErrorCode code{-1};
  EXPECT_EQ(Eval(context, "rand()", code), 41 * 3.051850947599719e-05);
  // The second and third draws of the generator from state 1.
  EXPECT_EQ(Eval(context, "rand(10,20)", code), 10 + 10 * 18467 * 3.051850947599719e-05);
  EXPECT_EQ(Eval(context, "rand_close_open(0,1)", code), 6334 * 3.0517578125e-05);
  reset_math_random(context.math);
  EXPECT_EQ(next_math_random(context.math), 41);
  int highest = 0;
  for (int i = 0; i < 100000; ++i) {
    const int r = next_math_random(context.math);
    ASSERT_GE(r, 0);
    highest = std::max(highest, r);
  }
  EXPECT_EQ(highest, 32767);
}

}  // namespace
}  // namespace vantrel::expr
