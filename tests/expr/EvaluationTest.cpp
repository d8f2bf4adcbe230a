#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "CapturingContext.h"
#include "expr/Evaluation.h"
#include "expr/InputExpression.h"

namespace vantrel::expr {
namespace {

using testing::CapturingContext;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Case {
  std::string text;
  double value;
  int code;
};

void ExpectCases(std::initializer_list<Case> cases) {
  CapturingContext quiet;
  for (const Case& c : cases) {
    ErrorCode code{-1};
    const double value = eval_math_expression_xyzt(quiet.math, c.text.c_str(), 0, 0, 0, 0, code, 1);
    if (std::isnan(c.value)) {
      EXPECT_TRUE(std::isnan(value)) << c.text;
    } else {
      EXPECT_DOUBLE_EQ(value, c.value) << c.text;
    }
    EXPECT_EQ(static_cast<int>(code), c.code) << c.text;
  }
}

TEST(Evaluation, PrecedenceAndAssociation) {
  ExpectCases({
      {"-2^2", -4, 0},
      {"(-2)^2", 4, 0},
      {"2^3^4", std::pow(2.0, 81.0), 0},
      {"2^3*4", 32, 0},
      {"2^3*4^2", 128, 0},
      {"2+3*4", 14, 0},
      {"2*3+4", 10, 0},
      {"1+2^3*4", 33, 0},
      {"2-3-4", -5, 0},
      {"8/2/2", 2, 0},
      {"2+3/4", 2.75, 0},
      {"12.5", 12.5, 0},
      {"10-2*3^2/9+1", 9, 0},
      {"-(3-5)*2", 4, 0},
      {"+7", 7, 0},
      {"2*(3+4)", 14, 0},
      {"((((1+2))))*3", 9, 0},
      {"1e-5*2", 2e-5, 0},
      {"SIN(PI/2) + M_PI_2 - pi()/2", 1, 0},
  });
}

TEST(Evaluation, QuirksOfTheLoopAreKept) {
  ExpectCases({
      {"2*-3", -3, 0},
      {"1 1/2", 5.5, 0},
      {"3,5", 2, 2},
      {"1,5+1", 2, 0},
      {"5+", 5, 0},
      {"2^-1", 0, 0},
      {"--5", -5, 0},
      {"* 5", 0, 0},
      {"-", 0, 0},
      {"1.2.3+1", 2.2, 0},
      {"1+1.2.3", 27, 27},
      {"max(1,min(2,3))", 2, 0},
      {"2(3)", 10, 10},
  });
}

TEST(Evaluation, EveryCodeThatReachesTheCaller) {
  ExpectCases({
      {"2#3", 2, 2},
      {"q", 2, 2},
      {std::string(1024, '1'), 3, 3},
      {std::string(1020, ' ') + "1234", 3, 3},
      {"", 4, 4},
      {"   ", 4, 4},
      {"()", 4, 4},
      {"--", 7, 7},  // the empty operand after the second sign is the last one
      {"(2)3", 5, 5},
      {"f(1,2,3,4)", 6, 6},
      {"sin()", 9, 9},
      {"foo(1)", 10, 10},
      {"foo(1,2)", 11, 11},
      {"foo(1,2,3)", 11, 11},
      {"max(1,2,3)", 11, 11},
      {"sqrt(-4)+1", kNaN, 12},
      {"mod(1,0)+1", kNaN, 12},
      {"1/0+1", kInf, 13},
      {"1e999", kInf, 13},
      {"1/0", 18, 18},
      {"2)+(3", 21, 21},
      {"((2)", 22, 22},
      {"1+1e5e3", 26, 26},
      {"1e-5e-5", 29, 29},
      {"sqrt(-4)", 30, 30},
      {"atan2(1,0)", 50, 50},
  });
}

TEST(Evaluation, OnlyTheLastRoutinesCodeSurvives) {
  ExpectCases({
      {"(1/0)^0+1", 2, 0},  // the division's code is cleared by the next operand
      {"q+1", 3, 0},        // q reads as 2 with code 2, then 1 clears it
      {"1+q", 2, 2},
      {"max(q,1)", 2, 0},  // only the last argument's code remains
      {"max(1,q)", 2, 2},
      {"sqrt(q-6)", 30, 30},  // the domain test replaces the argument's code
      {"2/(1-1)", 18, 18},
  });
}

TEST(Evaluation, HelpExamplesWithTheirVariables) {
  struct Example {
    const char* text;
    double x, y, z, t, expected;
  };
  const Example examples[] = {
      {"sin(-50.01+x^(sin(y/21.11)-(cos(t)^z)^3.11))-exp(1e-0.6)+x-y*z/t-0010.0100", 0.1, 0.2, 0.3,
       -0.4, -11.6857},
      {"sin(x+10^(sin(-0.1/21.11)-(cos(12.0)^0.1)^3.11))", -50.01, 0, 0, 0, 0.358661},
      {"sin(x+10^(sin(y/21.11)-(cos(t)^z)^3.11))", -50.01, -0.1, 0.1, 12.0, 0.358661},
      {"sin(x+10^(sin(y/21.11)-(cos(12.0)^z)^3.11))", -50.01, -0.1, 0.1, 0, 0.358661},
      {"sin(x+10^(sin(y/21.11)-(cos(12.0)^0.1)^3.11))", -50.01, -0.1, 0, 0, 0.358661},
  };
  CapturingContext context;
  for (const Example& e : examples) {
    ErrorCode code{-1};
    const double value =
        eval_math_expression_xyzt(context.math, e.text, e.x, e.y, e.z, e.t, code, 0);
    EXPECT_NEAR(value, e.expected, std::fabs(e.expected) * 5e-6) << e.text;
    EXPECT_EQ(static_cast<int>(code), 0) << e.text;
  }
}

TEST(Evaluation, NumbersIgnoreTheProcessLocale) {
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no de_DE locale";
  CapturingContext context;
  ErrorCode code{-1};
  const double value = eval_math_expression_xyzt(context.math, "2.5*1.5e-1", 0, 0, 0, 0, code, 0);
  std::setlocale(LC_ALL, previous.c_str());
  EXPECT_DOUBLE_EQ(value, 0.375);
  EXPECT_EQ(static_cast<int>(code), 0);
}

TEST(Evaluation, HelpKeywordsWriteTheHelpAndGiveZero) {
  for (const char* keyword : {"help", "HELP", "/H", "?", "/?", " h e l p "}) {
    CapturingContext help;
    ErrorCode code{-1};
    EXPECT_EQ(eval_math_expression_xyzt(help.math, keyword, 1, 2, 3, 4, code, 1), 0) << keyword;
    EXPECT_EQ(static_cast<int>(code), 0);
    EXPECT_NE(help.help.find("Help on the function:"), std::string::npos) << keyword;
  }
  // Help is checked before the length: spaces do not count once removed.
  CapturingContext help;
  ErrorCode code{-1};
  EXPECT_EQ(eval_math_expression_xyzt(help.math, (std::string(2000, ' ') + "?").c_str(), 0, 0, 0, 0,
                                      code, 0),
            0);
  EXPECT_FALSE(help.help.empty());
}

TEST(InputExpression, DropsOrKeepsTheCode) {
  CapturingContext quiet;
  EXPECT_EQ(evaluate_input_expression(quiet.math, "1/0"), 18);
  EXPECT_EQ(evaluate_input_expression(quiet.math, "2+3/4"), 2.75);
  const InputValue v = evaluate_input_value(quiet.math, "2/0");
  EXPECT_EQ(v.value, 18);
  EXPECT_EQ(static_cast<int>(v.error_code), 18);
  EXPECT_EQ(static_cast<int>(evaluate_input_value(quiet.math, "1 1/2").error_code), 0);
}

TEST(Diagnostics, LastFailureIsReportedAsTheHeaderOfTheEntry) {
  CapturingContext capture;
  ErrorCode code{-1};
  eval_math_expression_xyzt(capture.math, "1/0", 0, 0, 0, 0, code, 1);
  const std::string text = capture.diagnostics;
  EXPECT_NE(text.find("eval_correct_math_expression_xyzt(): ERROR in math expression at the "
                      "position 3:\n'1/0'\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("Error code = 18, error message: 'divide by 0!'"), std::string::npos);
  EXPECT_NE(text.find("eval_math_expression_xyzt(): ERROR in math expression at the position "
                      "1:\n'1/0'\n---------------------------------------------------\n"),
            std::string::npos);
}

TEST(Diagnostics, CodesClearedLaterAreStillWritten) {
  const struct {
    const char* text;
    std::vector<std::string> blocks;
  } cases[] = {
      {"5+",
       {"find_first_free_operator_pos(): ERROR in math expression at the position 1:\n'5+'",
        "Error code = 15, error message: 'operator can not be the last in expression'"}},
      {"*5",
       {"Error code = 17, error message: 'wrong operator '*' stands in start in expression'",
        "Error code = 16, error message: 'two operators follow'",
        "evaluate_number(): ERROR in math expression at the position 1:\n''",
        "Error code = 7, error message: 'Empty variable!'"}},
      {"(2)3+1",
       {"Error code = 23, error message: 'last rigth bracket must be last'",
        "Error code = 5, error message: 'wrong expression!'"}},
      {"1.2.3+1",
       {"Error code = 27, error message: 'Too much points in the number: wrong symbol '.'!'"}},
      {"3,5+1",
       {"evaluate_number(): ERROR in math expression at the position 2:\n'3,5'",
        "Error code = 2, error message: 'wrong symbol ',' in the number!'"}},
  };
  for (const auto& c : cases) {
    CapturingContext capture;
    ErrorCode code{-1};
    eval_math_expression_xyzt(capture.math, c.text, 0, 0, 0, 0, code, 1);
    std::size_t from = 0;
    for (const std::string& block : c.blocks) {
      const std::size_t at = capture.diagnostics.find(block, from);
      EXPECT_NE(at, std::string::npos) << c.text << ": " << block;
      if (at != std::string::npos) from = at;
    }
  }
}

TEST(Diagnostics, SwitchOffWritesNothing) {
  CapturingContext capture;
  ErrorCode code{-1};
  for (const char* text : {"1/0", "sqrt(-4)", "q", "2#3", "f(1,2,3,4)", "1+1.2.3", "5+"}) {
    eval_math_expression_xyzt(capture.math, text, 0, 0, 0, 0, code, 0);
  }
  EXPECT_EQ(capture.diagnostics, "");
}

}  // namespace
}  // namespace vantrel::expr
