#include <gtest/gtest.h>

#include <string>

#include "CapturingContext.h"
#include "expr/ErrorReport.h"
#include "expr/Evaluation.h"
#include "expr/HelpText.h"

namespace vantrel::expr {
namespace {

using testing::CapturingContext;

const std::string kRule(51, '-');

TEST(ErrorMessages, KnownAndUnknownCodes) {
  const struct {
    int code;
    const char* text;
    int result;
  } cases[] = {
      {0, "no error", 0},
      {3, "too long expression, can not be more than 1024 symbols", 0},
      {6, "too_much_arguments in function, no alowed functions with number of arguments > 2", 0},
      {20, "error on rigth bracket", 0},
      {36, "sin(a) = 0 value in function csc(a) = cosec() = 1/sin(a)", 0},
      {50, "b = 0 value in function atan2(a,b) = arctg(a/b)!", 0},
      {51, "b = 0 value in function atan2(a,b) = arctg(a/b)", 0},
      {52, "Unknown error code = 52. Please report for program author!", 1},
      {-1, "Unknown error code = -1. Please report for program author!", 1},
  };
  for (const auto& c : cases) {
    char buffer[MX_MATH_EXPRESSION_LENGTH];
    EXPECT_EQ(math_expression_error_message(buffer, static_cast<ErrorCode>(c.code)), c.result)
        << c.code;
    EXPECT_STREQ(buffer, c.text);
  }
}

TEST(Diagnostics, BlockForTheSquareRootOfMinusFour) {
  CapturingContext capture;
  ErrorCode code{-1};
  EXPECT_EQ(eval_math_expression_xyzt(capture.math, "sqrt(-4)", 0, 0, 0, 0, code, 1), 30);
  EXPECT_EQ(capture.diagnostics,
            kRule +
                "\neval_one_argument_function_xyzt(): ERROR in math expression at the "
                "position 1:\n'sqrt'\n" +
                kRule +
                "\nError code = 30, error message: 'negative argument: a < 0 in function "
                "sqrt(a) or sqr(a)'\n" +
                kRule + "\n" + kRule +
                "\neval_math_expression_xyzt(): ERROR in math expression at the position "
                "1:\n'sqrt(-4)'\n" +
                kRule + "\n");
}

TEST(Diagnostics, ReportTurnsAClearCodeIntoOne) {
  CapturingContext capture;
  ErrorCode code{0};
  EXPECT_EQ(report_math_expression_error(capture.math, "r", "abc", "m", 4, code, 1),
            kUnspecifiedError);
  EXPECT_EQ(static_cast<int>(code), 1);
  EXPECT_EQ(capture.diagnostics,
            kRule + "\nr(): ERROR in math expression at the position 5:\n'abc'\n" + kRule +
                "\nError code = 1, error message: 'm'\n" + kRule + "\n");
  code = kEmptyVariable;
  EXPECT_EQ(report_math_expression_error(capture.math, "r", "", nullptr, 0, code, 0),
            kEmptyVariable);
  EXPECT_EQ(report_alone_right_bracket(capture.math, "r", "x)", 1, code, 0), 1);
  EXPECT_EQ(static_cast<int>(code), 20);
}

TEST(Diagnostics, LongArgumentTextsFitTheSharedBuffer) {
  // Name and arguments near the length limit go whole into the message.
  const std::string args = std::string(1000, '1') + ",2,3,4";
  const std::string text = "f(" + args + ")";
  CapturingContext capture;
  ErrorCode code{-1};
  EXPECT_EQ(eval_math_expression_xyzt(capture.math, text.c_str(), 0, 0, 0, 0, code, 1), 6);
  EXPECT_NE(capture.diagnostics.find("too much arguments (=4) in function f(" + args +
                                     "), while maximum number of arguments is 3!"),
            std::string::npos);
}

TEST(HelpText, QuotedLinesAndFrame) {
  CapturingContext capture;
  print_math_expression_help(capture.math.help, 0);
  const std::string text = capture.help;
  EXPECT_EQ(text.rfind(std::string(79, '-') + "\nHelp on the function:\n", 0), 0u);
  EXPECT_EQ(text.substr(text.size() - 72), std::string(71, '-') + "\n");
  for (const char* line : {
           "ME_TYPE eval_math_expression_xyzt(const char *math_expression,",
           "ME_TYPE x, ME_TYPE y, ME_TYPE z, ME_TYPE t)",
           "MX_MATH_EXPRESSION_LENGTH = 1024",
           "The expression will be converted into lower case on the evaluation process,\n",
           "All spaces will be removed from the expression on the evaluation process.\n",
           "NOTE: 03.123 = 3.123.\n",
           "Allowable operators: '+', '-', '*', '/' and '^' (power).\n",
           "NOTES:\n",
           "-2^2 = -(2^2) = -4\n",
           "(-2)^2 = 4\n",
           "2^3^4 = 2^(3^4)\n",
           "2^3*4 = (2^3)*4\n",
           "2^3*4^2 = (2^3)*(4^2)\n",
           "So, please use more brackets or pow() function instead of '^',\n",
           "Example of expression: sin(x+y)/(z^t)\n",
           "This help text will be displayed on the cases of:\n",
           "Then result of the functions will be equal to 0.\n",
           "= -11.6857\n",
           "= 0.358661\n",
       }) {
    EXPECT_NE(text.find(line), std::string::npos) << line;
  }
}

}  // namespace
}  // namespace vantrel::expr
