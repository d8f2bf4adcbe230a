#include "expr/NumberScan.h"

#include <string_view>

#include "expr/ErrorReport.h"
#include "platform/Digits.h"
#include "platform/NumberText.h"

namespace vantrel::expr {
namespace {

constexpr const char* kName = "evaluate_number";

struct Constant {
  std::string_view name;
  ME_TYPE value;
};

constexpr ME_TYPE kE = 2.718281828459045;
constexpr ME_TYPE kPi = 3.141592653589793;

constexpr Constant kConstants[] = {
    {"pi", kPi},
    {"m_e", kE},
    {"m_pi", kPi},
    {"m_2pi", 6.283185307179586},
    {"m_pi2", 1.5707963267948966},
    {"m_pi3", 1.0471975511965976},
    {"m_pi4", 0.7853981633974483},
    {"m_pi_2", 1.5707963267948966},
    {"m_a_pi", 0.3183098861837907},
    {"m_pi_3", 1.0471975511965976},
    {"m_pi_4", 0.7853981633974483},
};

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameIgnoringCase(const char* span, std::string_view lower_name) {
  for (std::size_t i = 0; i < lower_name.size(); ++i) {
    if (Lower(span[i]) != lower_name[i]) return false;
  }
  return true;
}

void Report(MathContext& context, const char* span, int length, const char* format, char c,
            int position, ErrorCode code, int diagnostics) {
  if (!diagnostics) return;
  print_math_expression_error(context, kName, span_text(span, length),
                              format_math_message(context, format, c), position, code, diagnostics);
}

}  // namespace

ME_TYPE eval_simple_operand_xyzt(MathContext& context, const char* span, int length, ME_TYPE x,
                                 ME_TYPE y, ME_TYPE z, ME_TYPE t, ErrorCode& error_code,
                                 int diagnostics) {
  error_code = kNoError;
  if (length == 1) {
    switch (Lower(span[0])) {
      case 'x':
        return x;
      case 'y':
        return y;
      case 'z':
        return z;
      case 't':
        return t;
      default:
        break;
    }
  }
  return evaluate_number(context, span, length, error_code, diagnostics);
}

ME_TYPE evaluate_number(MathContext& context, const char* span, int length, ErrorCode& error_code,
                        int diagnostics) {
  error_code = kNoError;
  if (length <= 0) {
    error_code = kEmptyVariable;
    print_math_expression_error(context, kName, {}, "Empty variable!", 0, error_code, diagnostics);
    return 0;
  }
  // A leading sign applies to the rest, which is read by the same rules; a
  // loop rather than a call per sign keeps long sign runs off the stack.
  bool negative = false;
  while (length >= 2 && (span[0] == '-' || span[0] == '+')) {
    negative = negative != (span[0] == '-');
    ++span;
    --length;
  }
  const ME_TYPE value = [&]() -> ME_TYPE {
    if (length == 1) {
      if (IsDigit(span[0])) return span[0] - '0';
      if (Lower(span[0]) == 'e') return kE;
      error_code = kWrongSymbol;
      Report(context, span, length, "wrong symbol '%c'!", span[0], 0, error_code, diagnostics);
      return static_cast<ME_TYPE>(error_code);  // the code's number is the value
    }
    for (const Constant& constant : kConstants) {
      if (constant.name.size() == static_cast<std::size_t>(length) &&
          SameIgnoringCase(span, constant.name)) {
        return constant.value;
      }
    }
    bool point = false, exponent = false, sign = false;
    for (int i = 0; i < length; ++i) {
      const char c = span[i];
      if (IsDigit(c)) continue;
      if (c == '.') {
        if (point) {
          error_code = kTooManyPoints;
          Report(context, span, length, "Too much points in the number: wrong symbol '%c'!", c, i,
                 error_code, diagnostics);
        }
        point = true;
      } else if (c == 'e') {
        if (exponent) {
          error_code = kTooManyExponents;
          Report(context, span, length, "Too much 'e' in the number: wrong symbol '%c'!", c, i,
                 error_code, diagnostics);
        }
        exponent = true;
      } else if (c == '+' || c == '-') {
        if (!exponent) {
          error_code = kSignBeforeExponent;
          Report(context, span, length, "Signs before 'e' in the number: wrong symbol '%c'!", c, i,
                 error_code, diagnostics);
          return 0;
        }
        if (sign) {
          error_code = kTooManySigns;
          Report(context, span, length, "Too much signs in the number: wrong symbol '%c'!", c, i,
                 error_code, diagnostics);
          return 0;
        }
        sign = true;
      } else {
        error_code = kWrongSymbol;
        Report(context, span, length, "wrong symbol '%c' in the number!", c, i, error_code,
               diagnostics);
      }
    }
    // Never past the span: the conversion reads only the decimal prefix.
    return ParseDecimalPrefix(std::string_view(span, static_cast<std::size_t>(length)));
  }();
  return negative ? -value : value;
}

}  // namespace vantrel::expr
