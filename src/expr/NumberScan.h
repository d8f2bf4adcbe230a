// Bracket-free operands: the four variables, the named constants and number
// literals.
#pragma once

#include "expr/ErrorCodes.h"
#include "expr/MathContext.h"
#include "expr/MathExpression.h"

namespace vantrel::expr {

// x, y, z or t when the span is that one letter (either case); otherwise the
// span read by evaluate_number.
ME_TYPE eval_simple_operand_xyzt(MathContext& context, const char* span, int length, ME_TYPE x,
                                 ME_TYPE y, ME_TYPE z, ME_TYPE t, ErrorCode& error_code,
                                 int diagnostics);

// A named constant (letters in either case) or a decimal literal. Scanning
// reports misplaced points, e's and signs; the value is the longest decimal
// prefix, read in the classic locale.
ME_TYPE evaluate_number(MathContext& context, const char* span, int length, ErrorCode& error_code,
                        int diagnostics);

}  // namespace vantrel::expr
