#include "expr/ExpressionCheck.h"

#include <cstring>
#include <string>

#include "expr/ErrorReport.h"
#include "platform/Digits.h"
#include "platform/NumberText.h"

namespace vantrel::expr {
namespace {

bool IsAllowedSymbol(unsigned char c) {
  if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || IsDigit(c)) return true;
  switch (c) {
    case '.':
    case '_':
    case ',':
    case '(':
    case ')':
    case '+':
    case '-':
    case '/':
    case '*':
    case '^':
    case ' ':
      return true;
    default:
      return false;
  }
}

// How far into a bracket group a '(' makes its ')' looked up.
constexpr int kScanBeforeLookup = 32;

// The ')' of the '(' at `open` from the bracket table, kept out of the
// scanning loop.
[[gnu::noinline, gnu::cold]] bool LookUpClose(MathContext& context, const char* span, int length,
                                              int open, int& matching_close) {
  const int close = context.brackets.CloseOffset(span + open, span + length);
  if (close <= 0) return false;
  matching_close = open + close;
  return true;
}

int LengthOf(const char* text) {
  const std::size_t n = std::strlen(text);
  return n > INT32_MAX ? INT32_MAX : static_cast<int>(n);
}

}  // namespace

int normalize_math_expression(const char* text, char* output) {
  int n = 0;
  for (const char* p = text; *p; ++p) {
    const char c = *p;
    if (c == ' ') continue;
    output[n++] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  }
  output[n] = '\0';
  return n;
}

ErrorCode check_math_expression_for_correctness(MathContext& context, const char* text,
                                                int diagnostics) {
  static constexpr const char* kName = "check_math_expression_for_correctness";
  const int n = LengthOf(text);
  if (n >= MX_MATH_EXPRESSION_LENGTH) {
    if (diagnostics) {
      // The longest text allowed is one short of the buffer: at 1024 both
      // numbers would read 1024, as if the limit were not passed.
      print_math_expression_error(
          context, kName, text,
          format_math_message(
              context,
              "length of expression = %zu is more than allowed MX_MATH_EXPRESSION_LENGTH - 1 = %d",
              std::strlen(text), MX_MATH_EXPRESSION_LENGTH - 1),
          n, kTooLongExpression, diagnostics);
    }
    return kTooLongExpression;
  }
  const int depth = check_for_brackets_correctness_in_math_expression(context, text);
  if (depth < 0) return kTooManyRightBrackets;
  if (depth > 0) return kTooManyLeftBrackets;
  for (int i = 0; i < n; ++i) {
    if (!IsAllowedSymbol(static_cast<unsigned char>(text[i]))) {
      if (diagnostics) {
        print_math_expression_error(
            context, kName, text, format_math_message(context, "not allowed symbol '%c'", text[i]),
            i, kWrongSymbol, diagnostics);
      }
      return kWrongSymbol;
    }
  }
  return kNoError;
}

int check_for_brackets_correctness_in_math_expression(MathContext& context, const char* text) {
  static constexpr const char* kName = "check_for_brackets_correctness_in_math_expression";
  int depth = 0;
  for (int i = 0; text[i]; ++i) {
    if (text[i] == '(') {
      ++depth;
    } else if (text[i] == ')') {
      if (--depth < 0) {
        context.diagnostics.Write(FormatText(
            "%s(): ERROR in position %d of math expression:\n'%s'\n", kName, i + 1, text));
        return depth;
      }
    }
  }
  if (depth != 0) {
    context.diagnostics.Write(FormatText("%s(): ERROR in math expression:\n'%s'\n", kName, text));
  }
  return depth;
}

int positions_of_brackets(MathContext& context, const char* span, int length, int& first_open,
                          int& matching_close, ErrorCode& error_code, int diagnostics) {
  static constexpr const char* kName = "positions_of_brackets";
  error_code = kNoError;
  first_open = 0;
  matching_close = 0;
  if (length >= MX_MATH_EXPRESSION_LENGTH) {
    error_code = kTooLongExpression;
    print_math_expression_error(context, kName, span_text(span, length), "too long expression!", 0,
                                error_code, diagnostics);
    return static_cast<int>(kTooLongExpression);
  }
  int opened = 0;
  int depth = 0;
  for (int i = 0; i < length; ++i) {
    const char c = span[i];
    if (c == '(') {
      // The group's ')' is looked up in the evaluation's bracket table (no
      // ')' came before its '(', so that '(' has it) once the table exists,
      // or once brackets nest deep into the group: scanning every level of a
      // deep nest would cost the square of its depth.
      const bool first = ++opened == 1;
      if (first) first_open = i;
      if ((first ? context.brackets.Built() : i - first_open >= kScanBeforeLookup) &&
          LookUpClose(context, span, length, first_open, matching_close))
        return 0;
      ++depth;
    } else if (c == ')') {
      if (--depth < 0) {
        error_code = kRightBracketError;
        if (diagnostics) {
          print_math_expression_error(context, kName, span_text(span, length),
                                      format_math_message(context, "found alone '%c'!", ')'), i + 1,
                                      error_code, diagnostics);
        }
        return depth;
      }
      if (depth == 0) {
        matching_close = i;
        return 0;
      }
    }
  }
  if (depth != 0) {
    error_code = kLeftBracketError;
    if (diagnostics) {
      print_math_expression_error(context, kName, span_text(span, length),
                                  format_math_message(context, "found alone '%c'!", '('), length,
                                  error_code, diagnostics);
    }
  }
  return depth;
}

}  // namespace vantrel::expr
