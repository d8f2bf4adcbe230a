#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "CapturingContext.h"
#include "expr/ExpressionCheck.h"
#include "expr/NumberScan.h"

namespace vantrel::expr {
namespace {

using testing::CapturingContext;

TEST(Normalize, DropsSpacesOnlyAndFoldsAsciiLetters) {
  const std::string text = " Sin ( PI )\t+ \xC4X ";
  std::string out(text.size() + 1, '?');
  EXPECT_EQ(normalize_math_expression(text.c_str(), out.data()), 11);
  EXPECT_STREQ(out.c_str(), "sin(pi)\t+\xC4x");
}

struct CheckCase {
  std::string text;
  int code;
};

TEST(Check, CodesInOrderOfTheTests) {
  const CheckCase cases[] = {
      {"", 0},
      {"SIN(PI)", 0},
      {"3,5", 0},
      {"2++", 0},
      {"sin()", 0},
      {"a_b.c+1-2/3*4^5", 0},
      {std::string(1023, '1'), 0},
      {std::string(1022, ' ') + "1", 0},
      {std::string(1024, ' '), 3},
      {std::string(1024, '#'), 3},  // length before symbols
      {"2)+(3", 21},
      {")(", 21},
      {"((2)", 22},
      {"((2)#", 22},  // brackets before symbols
      {"2#3", 2},
      {"2\t3", 2},
      {"2=3", 2},
      {"caf\xE9", 2},
  };
  CapturingContext quiet;
  for (const CheckCase& c : cases) {
    EXPECT_EQ(
        static_cast<int>(check_math_expression_for_correctness(quiet.math, c.text.c_str(), 0)),
        c.code)
        << c.text;
  }
}

TEST(Check, DiagnosticsNameTheFaultAndItsPosition) {
  // The message gives the text's own length and the longest one allowed.
  for (const int length : {1024, 5000}) {
    CapturingContext capture;
    check_math_expression_for_correctness(capture.math, std::string(length, '1').c_str(), 1);
    EXPECT_NE(capture.diagnostics.find("at the position " + std::to_string(length + 1) + ":"),
              std::string::npos);
    EXPECT_NE(
        capture.diagnostics.find(
            "Error code = 3, error message: 'length of expression = " + std::to_string(length) +
            " is more than allowed MX_MATH_EXPRESSION_LENGTH - 1 = 1023'"),
        std::string::npos)
        << capture.diagnostics.substr(0, 300);
  }
  {
    CapturingContext capture;
    check_math_expression_for_correctness(capture.math, "2#3", 1);
    EXPECT_NE(capture.diagnostics.find("check_math_expression_for_correctness(): ERROR in math "
                                       "expression at the position 2:\n'2#3'\n"),
              std::string::npos);
    EXPECT_NE(capture.diagnostics.find("Error code = 2, error message: 'not allowed symbol '#''"),
              std::string::npos);
  }
}

TEST(BracketCheck, WritesItsTwoLinesWhateverTheSwitch) {
  CapturingContext capture;
  EXPECT_EQ(check_math_expression_for_correctness(capture.math, "2)+(3", 0), kTooManyRightBrackets);
  EXPECT_EQ(capture.diagnostics,
            "check_for_brackets_correctness_in_math_expression(): ERROR in position 2 of math "
            "expression:\n'2)+(3'\n");
  CapturingContext second;
  EXPECT_EQ(check_for_brackets_correctness_in_math_expression(second.math, "((2)"), 1);
  EXPECT_EQ(second.diagnostics,
            "check_for_brackets_correctness_in_math_expression(): ERROR in math expression:\n"
            "'((2)'\n");
  EXPECT_EQ(check_for_brackets_correctness_in_math_expression(second.math, ""), 0);
}

struct BracketCase {
  std::string text;
  int length;  // -1: the whole text
  int result, open, close, code;
  int from = 0;  // where the span starts in the text
};

// Both with the evaluation's bracket table attached to the text and without;
// the table answers for groups with brackets deep inside.
TEST(PositionsOfBrackets, FindsTheFirstGroupWithinTheSpan) {
  const std::string group = "(" + std::string(40, '1') + "+(2))";
  const BracketCase cases[] = {
      {"2+(3*(4))-(5)", -1, 0, 2, 8, 0},
      {"abc", -1, 0, 0, 0, 0},
      {"", -1, 0, 0, 0, 0},
      {"(1)", 2, 1, 0, 0, 19},  // the ')' lies beyond the span
      {"((1)", -1, 1, 0, 0, 19},
      {"1)(", -1, -1, 0, 0, 20},
      {"((1)+2)", 3, 0, 0, 2, 0, 1},  // a span inside the text
      {"((1)+2)", 5, 1, 0, 0, 19, 0},
      {"2*" + group, -1, 0, 2, 47, 0},
      {group, 45, 1, 0, 0, 19},  // its ')' lies beyond the span
      {"(" + group + "+2)", 46, 0, 0, 45, 0, 1},
      {"((" + group + ")", -1, 1, 0, 0, 19},
      {std::string(1024, '('), -1, 3, 0, 0, 3},
  };
  CapturingContext context;
  for (const bool attached : {false, true}) {
    for (const BracketCase& c : cases) {
      const int length = c.length < 0 ? static_cast<int>(c.text.size()) : c.length;
      if (attached) context.math.brackets.Attach(c.text.data(), static_cast<int>(c.text.size()));
      int open = -7, close = -7;
      ErrorCode code{-7};
      EXPECT_EQ(
          positions_of_brackets(context.math, c.text.data() + c.from, length, open, close, code, 0),
          c.result)
          << c.text << attached;
      EXPECT_EQ(open, c.open) << c.text << attached;
      EXPECT_EQ(close, c.close) << c.text << attached;
      EXPECT_EQ(static_cast<int>(code), c.code) << c.text << attached;
      context.math.brackets.Clear();
    }
  }
}

struct NumberCase {
  std::string text;
  double value;
  int code;
};

TEST(EvaluateNumber, LiteralsConstantsAndTheirFaults) {
  const double pi = 3.141592653589793;
  const NumberCase cases[] = {
      {"03.123", 3.123, 0},
      {"1.5e-3", 0.0015, 0},
      {"2.5e+10", 2.5e10, 0},
      {".5", 0.5, 0},
      {"2e", 2, 0},
      {"1e-0.6", 1, 0},
      {"1e5e3", 100000, 26},
      {"1.2.3", 1.2, 27},
      {"1-5", 0, 28},
      {"1e-5-3", 0, 29},
      {"3,5", 3, 2},
      {"0x10", 0, 2},  // decimal only
      {"inf", 0, 2},
      {"7", 7, 0},
      {"e", 2.718281828459045, 0},
      {"q", 2, 2},
      {"", 0, 7},
      {"-5", -5, 0},
      {"+-2.5", -2.5, 0},
      {"-q", -2, 2},
      {"pi", pi, 0},
      {"PI", pi, 0},
      {"Pi", pi, 0},
      {"M_E", 2.718281828459045, 0},
      {"m_pi", pi, 0},
      {"m_2pi", 6.283185307179586, 0},
      {"M_PI2", 1.5707963267948966, 0},
      {"m_pi_2", 1.5707963267948966, 0},
      {"m_pi3", 1.0471975511965976, 0},
      {"M_PI_3", 1.0471975511965976, 0},
      {"m_pi4", 0.7853981633974483, 0},
      {"m_pi_4", 0.7853981633974483, 0},
      {"m_a_pi", 0.3183098861837907, 0},
      {"m_pi_5", 0, 2},
  };
  CapturingContext context;
  for (const NumberCase& c : cases) {
    ErrorCode code{-1};
    EXPECT_EQ(
        evaluate_number(context.math, c.text.data(), static_cast<int>(c.text.size()), code, 0),
        c.value)
        << c.text;
    EXPECT_EQ(static_cast<int>(code), c.code) << c.text;
  }
}

TEST(EvaluateNumber, ReadsNothingBeyondItsSpan) {
  // Exactly sized heap blocks without terminator: the sanitizers see any
  // read past them, and the digits after a shorter span must not count.
  const std::string digits = "12345";
  auto block = std::make_unique<char[]>(digits.size());
  digits.copy(block.get(), digits.size());
  CapturingContext context;
  ErrorCode code{-1};
  EXPECT_EQ(evaluate_number(context.math, block.get(), 2, code, 0), 12);
  EXPECT_EQ(evaluate_number(context.math, block.get(), 5, code, 0), 12345);
  EXPECT_EQ(evaluate_number(context.math, block.get(), 0, code, 0), 0);
  EXPECT_EQ(static_cast<int>(code), 7);
}

TEST(SimpleOperand, VariablesByOneLetterInEitherCase) {
  CapturingContext context;
  ErrorCode code{-1};
  EXPECT_EQ(eval_simple_operand_xyzt(context.math, "x", 1, 1, 2, 3, 4, code, 0), 1);
  EXPECT_EQ(eval_simple_operand_xyzt(context.math, "Y", 1, 1, 2, 3, 4, code, 0), 2);
  EXPECT_EQ(eval_simple_operand_xyzt(context.math, "z", 1, 1, 2, 3, 4, code, 0), 3);
  EXPECT_EQ(eval_simple_operand_xyzt(context.math, "t", 1, 1, 2, 3, 4, code, 0), 4);
  EXPECT_EQ(static_cast<int>(code), 0);
  EXPECT_EQ(eval_simple_operand_xyzt(context.math, "xy", 2, 1, 2, 3, 4, code, 0), 0);
  EXPECT_EQ(static_cast<int>(code), 2);
}

}  // namespace
}  // namespace vantrel::expr
