// The short road for a value typed as a plain decimal number ("12.5", "-3",
// "1.5e-3", ".5"): std::from_chars reads it, and the evaluator is skipped.
// Only text that the evaluator would read to the very same double with no
// error takes this road; anything else is left to the evaluator.
#pragma once

#include <string_view>

#include "expr/MathExpression.h"

namespace vantrel::expr {

// True, with the value, for text of this form and nothing else: an optional
// sign; digits with at most one point, one digit at least; and an exponent,
// 'e' or 'E' right after a digit, an optional sign and digits.
// No spaces, fewer than MX_MATH_EXPRESSION_LENGTH characters, and a value
// within the range of a double (not rounded to 0 or infinity). The value is
// then eval_math_expression_xyzt's, bit for bit, and its code would be 0.
bool read_plain_decimal(std::string_view text, ME_TYPE& value);

}  // namespace vantrel::expr
