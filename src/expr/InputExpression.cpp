#include "expr/InputExpression.h"

#include "expr/Evaluation.h"
#include "expr/PlainNumber.h"

namespace vantrel::expr {

ME_TYPE evaluate_input_expression(MathContext& context, const char* text) {
  return evaluate_input_value(context, text, 1).value;
}

InputValue evaluate_input_value(MathContext& context, const char* text, int diagnostics) {
  if (ME_TYPE plain = 0; text && read_plain_decimal(text, plain)) return {plain, kNoError};
  ErrorCode error_code = kNoError;
  const ME_TYPE value =
      eval_math_expression_xyzt(context, text, 0, 0, 0, 0, error_code, diagnostics);
  return {value, error_code};
}

}  // namespace vantrel::expr
