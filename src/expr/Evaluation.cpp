#include "expr/Evaluation.h"

#include <cmath>
#include <cstring>
#include <string>
#include <string_view>

#include "expr/ErrorReport.h"
#include "expr/ExpressionCheck.h"
#include "expr/FunctionLibrary.h"
#include "expr/HelpText.h"
#include "expr/NumberScan.h"
#include "platform/Digits.h"

namespace vantrel::expr {
namespace {

bool IsOperator(char c) { return c == '+' || c == '-' || c == '*' || c == '/' || c == '^'; }

bool IsHelpKeyword(std::string_view normalised) {
  return normalised == "help" || normalised == "/h" || normalised == "?" || normalised == "/?";
}

// Whether the text is a help keyword once normalised (help may hide among
// many spaces). Normalising drops the spaces, and no keyword has more than
// four other characters: a text with more is no keyword, and is not copied
// however long it is.
bool IsHelpRequest(const char* text) {
  constexpr int kLongest = 4;
  int others = 0;
  for (const char* p = text; *p && others <= kLongest; ++p) others += *p != ' ';
  if (others > kLongest) return false;
  char normalised[kLongest + 1];
  const int length = normalize_math_expression(text, normalised);
  return IsHelpKeyword({normalised, static_cast<std::size_t>(length)});
}

// Evaluates the normalised text with its bracket pairs looked up in the
// context's table, which answers for it only as long as this evaluation.
ME_TYPE EvaluateIndexed(MathContext& context, const char* span, int length, ME_TYPE x, ME_TYPE y,
                        ME_TYPE z, ME_TYPE t, ErrorCode& error_code, int diagnostics) {
  struct Indexed {
    BracketTable& table;
    ~Indexed() { table.Clear(); }
  } indexed{context.brackets};
  indexed.table.Attach(span, length);
  return eval_correct_math_expression_xyzt(context, span, length, x, y, z, t, error_code,
                                           diagnostics);
}

}  // namespace

ME_TYPE eval_math_expression_xyzt(MathContext& context, const char* text, ME_TYPE x, ME_TYPE y,
                                  ME_TYPE z, ME_TYPE t, ErrorCode& error_code, int diagnostics) {
  static constexpr const char* kName = "eval_math_expression_xyzt";
  error_code = kNoError;
  if (!text) text = "";
  // Help comes before the length test.
  if (IsHelpRequest(text)) {
    print_math_expression_help(context.help, 0);
    return 0;
  }
  error_code = check_math_expression_for_correctness(context, text, diagnostics);
  if (error_code != kNoError) {
    report_math_expression_error(context, kName, text, "", 0, error_code, diagnostics);
    return static_cast<ME_TYPE>(error_code);  // the code's number is the value
  }
  // The buffer keeps its capacity between calls.
  std::string& normalised = context.normalised;
  normalised.resize(std::strlen(text) + 1);
  const int length = normalize_math_expression(text, normalised.data());
  const char* const span = normalised.data();
  const ME_TYPE value = EvaluateIndexed(context, span, length, x, y, z, t, error_code, diagnostics);
  if (error_code != kNoError) {
    report_math_expression_error(context, kName, text, "", 0, error_code, diagnostics);
    return static_cast<ME_TYPE>(error_code);  // the code's number is the value
  }
  test_for_MX_math_expression_result_correction(context, value, span, error_code, diagnostics);
  if (error_code != kNoError) {
    report_math_expression_error(context, kName, text, "result is not correct due to error", 0,
                                 error_code, diagnostics);
  }
  return value;
}

bool is_math_expression_help_request(const char* text) { return text && IsHelpRequest(text); }

ME_TYPE eval_correct_math_expression_xyzt(MathContext& context, const char* span, int length,
                                          ME_TYPE x, ME_TYPE y, ME_TYPE z, ME_TYPE t,
                                          ErrorCode& error_code, int diagnostics) {
  static constexpr const char* kName = "eval_correct_math_expression_xyzt";
  error_code = kNoError;
  if (length <= 0) {
    error_code = kEmptyExpression;
    print_math_expression_error(context, kName, {}, "empty expression!", 0, error_code,
                                diagnostics);
    return 0;
  }
  ME_TYPE result = 0;
  char previous = ' ';
  int f = 0;
  const char first = span[0];
  if (first == '*' || first == '/' || first == '^') {
    error_code = kOperatorFirst;
    if (diagnostics) {
      print_math_expression_error(
          context, kName, span_text(span, length),
          format_math_message(context, "wrong operator '%c' stands in start in expression", first),
          0, error_code, diagnostics);
    }
  } else if (first == '+' || first == '-') {
    previous = first;
    f = 1;
  }
  while (f < length) {
    int compound = 0;
    const int n = find_first_free_operator_pos(context, span + f, length - f, previous, compound,
                                               error_code, diagnostics);
    if (n == 0) {
      error_code = kTwoOperatorsFollow;
      print_math_expression_error(context, kName, span_text(span, length), "two operators follow",
                                  f, error_code, diagnostics);
    }
    const ME_TYPE value = compound ? eval_correct_math_expression_xyzt(
                                         context, span + f, n, x, y, z, t, error_code, diagnostics)
                                   : eval_math_operand_xyzt(context, span + f, n, x, y, z, t,
                                                            error_code, diagnostics);
    switch (previous) {
      case '+':
        result = value + result;
        break;
      case '-':
        result = result - value;
        break;
      case '*':
        result = value * result;
        break;
      case '/':
        if (value == 0) {
          error_code = kDivideByZero;
          print_math_expression_error(context, kName, span_text(span, length), "divide by 0!", f,
                                      error_code, diagnostics);
        }
        result = result / value;
        break;
      case '^':
        result = std::pow(result, value);
        break;
      default:
        result = value;
        break;
    }
    f += n;
    if (f < length) previous = span[f];
    ++f;
  }
  return result;
}

int find_first_free_operator_pos(MathContext& context, const char* span, int length,
                                 char previous_operator, int& compound, ErrorCode& error_code,
                                 int diagnostics) {
  static constexpr const char* kName = "find_first_free_operator_pos";
  error_code = kNoError;
  compound = 0;
  const char p = previous_operator;
  for (int i = 0; i < length; ++i) {
    const char c = span[i];
    if (i == length - 1 && IsOperator(c)) {
      error_code = kOperatorLast;
      print_math_expression_error(context, kName, span_text(span, length),
                                  "operator can not be the last in expression", 0, error_code,
                                  diagnostics);
    }
    switch (c) {
      case '(': {
        int open = 0;
        int close = 0;
        if (positions_of_brackets(context, span + i, length - i, open, close, error_code,
                                  diagnostics)) {
          report_alone_right_bracket(context, kName, span_text(span, length), i, error_code,
                                     diagnostics);
        }
        i += close;
        if (i >= length) {
          error_code = kBracketOutOfExpression;
          print_math_expression_error(context, kName, span_text(span + length, 0), "", 0,
                                      error_code, diagnostics);
        }
        break;
      }
      case ')':
        error_code = kRightBracketError;
        if (diagnostics) {
          print_math_expression_error(context, kName, span_text(span, length),
                                      format_math_message(context, "found alone '%c'!", ')'), i,
                                      error_code, diagnostics);
        }
        break;
      case '*':
      case '/':
        if (p == '+' || p == '-') {
          compound = 1;
          break;
        }
        return i;
      case '+':
      case '-':
        // A sign between "<digit>e" and a digit belongs to a number's exponent.
        if (i < 2) return i;
        if (span[i - 1] == 'e' && IsDigit(span[i - 2]) && i + 1 < length && IsDigit(span[i + 1])) {
          break;
        }
        return i;
      case '^':
        if (IsOperator(p)) {
          compound = 1;
          break;
        }
        return i;
      default:
        break;
    }
  }
  return length;
}

ME_TYPE eval_math_operand_xyzt(MathContext& context, const char* span, int length, ME_TYPE x,
                               ME_TYPE y, ME_TYPE z, ME_TYPE t, ErrorCode& error_code,
                               int diagnostics) {
  static constexpr const char* kName = "eval_math_operand_xyzt";
  error_code = kNoError;
  int open = 0;
  int close = 0;
  if (positions_of_brackets(context, span, length, open, close, error_code, diagnostics)) {
    error_code = kRightBracketError;
    if (diagnostics) {
      print_math_expression_error(context, kName, span_text(span, length),
                                  format_math_message(context, "found alone '%c'!", ')'), 0,
                                  error_code, diagnostics);
    }
  }
  if (open == 0 && close == 0) {
    return eval_simple_operand_xyzt(context, span, length, x, y, z, t, error_code, diagnostics);
  }
  if (close != length - 1) {
    error_code = kRightBracketNotLast;
    if (diagnostics) {
      print_math_expression_error(context, kName, span_text(span, length),
                                  math_code_message(context, error_code), 0, error_code,
                                  diagnostics);
    }
    error_code = kWrongExpression;
    print_math_expression_error(context, kName, span_text(span, length), "wrong expression!", 0,
                                error_code, diagnostics);
    return 0;
  }
  if (open == 0) {
    return eval_correct_math_expression_xyzt(context, span + 1, close - 1, x, y, z, t, error_code,
                                             diagnostics);
  }
  // A function call: the name and the argument text stay spans of the
  // expression, so no level of nesting holds buffers of its own.
  const std::string_view name(span, static_cast<std::size_t>(open));
  const char* const arguments = span + open + 1;
  const int arguments_length = close - open - 1;
  int count = 0;
  int commas[2] = {0, 0};
  if (arguments_length > 0) {
    count = 1;
    for (int j = 0; j < arguments_length; ++j) {
      if (arguments[j] == '(') {
        int inner_open = 0;
        int inner_close = 0;
        if (positions_of_brackets(context, arguments + j, arguments_length - j, inner_open,
                                  inner_close, error_code, diagnostics)) {
          report_alone_right_bracket(context, kName, span_text(arguments, arguments_length), j,
                                     error_code, diagnostics);
        }
        j += inner_close;
      } else if (arguments[j] == ',') {
        if (count == 3) {
          error_code = kTooManyArguments;
          const char* message = "";
          if (diagnostics) {
            message = format_math_message(
                context,
                "too much arguments (=%d) in function %.*s(%.*s), while maximum number of "
                "arguments is %d!",
                count + 1, static_cast<int>(name.size()), name.data(), arguments_length, arguments,
                3);
          }
          report_math_expression_error(context, kName, span_text(span, length), message, 0,
                                       error_code, diagnostics);
          return 0;
        }
        commas[count - 1] = j;
        ++count;
      }
    }
  }
  const std::string_view argument_text(
      arguments, static_cast<std::size_t>(arguments_length > 0 ? arguments_length : 0));
  switch (count) {
    case 0:
      return eval_no_argument_function(context, name, x, y, z, t, error_code, diagnostics);
    case 1:
      return eval_one_argument_function_xyzt(context, name, argument_text, x, y, z, t, error_code,
                                             diagnostics);
    case 2:
      return eval_two_arguments_function_xyzt(context, name, argument_text, commas[0], x, y, z, t,
                                              error_code, diagnostics);
    default:
      return eval_three_arguments_function_xyzt(context, name, argument_text, commas[0], commas[1],
                                                x, y, z, t, error_code, diagnostics);
  }
}

int test_for_MX_math_expression_result_correction(MathContext& context, ME_TYPE value,
                                                  const char* text, ErrorCode& error_code,
                                                  int diagnostics) {
  static constexpr const char* kName = "test_for_MX_math_expression_result_correction";
  error_code = kNoError;
  if (std::isnan(value)) {
    error_code = kResultIsNan;
    print_math_expression_error(context, kName, text, "result is NAN", 0, error_code, diagnostics);
    return 1;
  }
  if (!std::isfinite(value)) {
    error_code = kResultIsInf;
    print_math_expression_error(context, kName, text, "result is INF", 0, error_code, diagnostics);
    return 1;
  }
  return 0;
}

}  // namespace vantrel::expr
