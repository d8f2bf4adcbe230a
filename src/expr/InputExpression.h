// Evaluating what a user typed as a value: the four variables are 0.
#pragma once

#include "expr/ErrorCodes.h"
#include "expr/MathContext.h"
#include "expr/MathExpression.h"

namespace vantrel::expr {

// The main window's call: 8-bit text, diagnostics on, and the error code
// dropped, so an erroneous text gives the number the evaluator returns for it.
ME_TYPE evaluate_input_expression(MathContext& context, const char* text);

struct InputValue {
  ME_TYPE value;
  ErrorCode error_code;  // 0 when the value is a number to use
};

// The same evaluation keeping the error code, for callers that must refuse a
// text that leaves one (math_expression_error_message gives its text). A
// plain decimal number takes the short road of PlainNumber.h.
InputValue evaluate_input_value(MathContext& context, const char* text, int diagnostics = 0);

}  // namespace vantrel::expr
