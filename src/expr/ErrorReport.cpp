#include "expr/ErrorReport.h"

#include <cstdarg>
#include <string>

#include "platform/NumberText.h"
#include "platform/TextEncoding.h"

namespace vantrel::expr {
namespace {

constexpr const char* kMessages[] = {
    "no error",
    "error",
    "wrong symbol",
    "too long expression, can not be more than %d symbols",
    "empty expression",
    "wrong expression",
    "too_much_arguments in function, no alowed functions with number of arguments > 2",
    "empty variable",
    "unknown function",
    "unknown zero argument function",
    "unknown one argument function",
    "unknown two arguments function",
    "expression result is NAN",
    "expression result is INF",
    "expression result is HUGE_VAL",
    "operator can not be the last in expression",
    "two operators_follow in the expression",
    "power operator stands first",
    "divide by 0",
    "error on left bracket",
    "error on rigth bracket",
    "too much rigth brackets",
    "too much left brackets",
    "last rigth bracket must be last",
    "left bracket must be first",
    "rigth left bracket is out of expression",
    "too much 'e' in number",
    "too much decimal points in number",
    "sign '+' or '-' before 'e' in number",
    "too much signs '+' or '-' in number",
    "negative argument: a < 0 in function sqrt(a) or sqr(a)",
    "non-positive argument: a <= 0 in function ln(a) or log(a)",
    "non-positive argument: a <= 0 in function log10(a) or lg(a)",
    "non-positive argument: a <= 0 in function log2(a)",
    "tg(a) = 0 value in function cot(a) or ctg(a) = 1/tg(a)",
    "cos(a) = 0 value in function sec(a) = 1/cos(a)",
    "sin(a) = 0 value in function csc(a) = cosec() = 1/sin(a)",
    "a = 0 value in function asec(a) or arcsec(a) = arccos(1/a)",
    "a = 0 value in function arccosec(a) = arcsin(1/a)",
    "th(a) = 0 value in function coth(a) or cth(a) = 1/th(a)",
    "ch(a) = 0 value in function sch(a) or sech(a) = 1/ch(a)",
    "sh(a) = 0 value in function csch(a) or cosech(a) = 1/sh(a)",
    "a + sqrt(a^2+1) <= 0 value in function asinh(a) or arsh(a) = log(a + sqrt(a^2+1))",
    "a^2-1 < 0 value in function acosh(a) or arch(a) = log(a + sqrt(a^2-1))",
    "a + sqrt(a^2-1) <= 0 value in function acosh(a) or arch(a) = log(a + sqrt(a^2-1))",
    "(1-a) = 0 value in function atanh(a) or function arth(a) = log((1+a)/(1-a))/2",
    "(1+a)/(1-a) <= 0 value in function atanh(a) or arth(a) = log((1+a)/(1-a))/2",
    "a = 0 value in function acoth(a) or arcth(a) = arth(1/a)",
    "a = 0 value in function asech(a) or arsech(a) = arch(1/a)",
    "a = 0 value in function acsch(a) or arcosech(a) = arsh(1/a)",
    "b = 0 value in function atan2(a,b) = arctg(a/b)!",
    "b = 0 value in function atan2(a,b) = arctg(a/b)",
};
static_assert(sizeof kMessages / sizeof kMessages[0] == kErrorCodeCount);

constexpr std::string_view kRule = "---------------------------------------------------\n";
static_assert(kRule.size() == 52);

}  // namespace

int math_expression_error_message(char* buffer, ErrorCode code) {
  const int number = static_cast<int>(code);
  if (code == kTooLongExpression) {
    FormatInto(buffer, MX_MATH_EXPRESSION_LENGTH, kMessages[number], MX_MATH_EXPRESSION_LENGTH);
    return 0;
  }
  if (number >= 0 && number < kErrorCodeCount) {
    FormatInto(buffer, MX_MATH_EXPRESSION_LENGTH, "%s", kMessages[number]);
    return 0;
  }
  FormatInto(buffer, MX_MATH_EXPRESSION_LENGTH,
             "Unknown error code = %d. Please report for program author!", number);
  return 1;
}

void print_math_expression_error(MathContext& context, const char* routine, std::string_view text,
                                 const char* message, int position, ErrorCode code,
                                 int diagnostics) {
  if (!diagnostics || context.diagnostics.Discards()) return;
  std::string block(kRule);
  block += FormatText("%s(): ERROR in math expression at the position %lld:\n", routine,
                      static_cast<long long>(position) + 1);
  // A text too long to evaluate may be megabytes: it is quoted in part.
  if (text.size() >= static_cast<std::size_t>(MX_MATH_EXPRESSION_LENGTH)) {
    block += Quoted(text);
  } else {
    block += '\'';
    block.append(text);
    block += '\'';
  }
  block += '\n';
  block += kRule;
  context.diagnostics.Write(block);
  if (!message || !*message) return;
  block = FormatText("Error code = %d, error message: '%s'\n", static_cast<int>(code), message);
  block += kRule;
  context.diagnostics.Write(block);
}

ErrorCode report_math_expression_error(MathContext& context, const char* routine,
                                       std::string_view text, const char* message, int position,
                                       ErrorCode& error_code, int diagnostics) {
  if (error_code == kNoError) error_code = kUnspecifiedError;
  print_math_expression_error(context, routine, text, message, position, error_code, diagnostics);
  return error_code;
}

int report_alone_right_bracket(MathContext& context, const char* routine, std::string_view text,
                               int position, ErrorCode& error_code, int diagnostics) {
  error_code = kRightBracketError;
  if (diagnostics) {
    print_math_expression_error(context, routine, text,
                                format_math_message(context, "found alone '%c'!", ')'), position,
                                error_code, diagnostics);
  }
  return 1;
}

const char* format_math_message(MathContext& context, const char* format, ...) {
  va_list args;
  va_start(args, format);
  VFormatInto(context.message, sizeof context.message, format, args);
  va_end(args);
  return context.message;
}

const char* math_code_message(MathContext& context, ErrorCode code) {
  static_assert(MX_MATH_MESSAGE_LENGTH >= MX_MATH_EXPRESSION_LENGTH);
  math_expression_error_message(context.message, code);
  return context.message;
}

}  // namespace vantrel::expr
