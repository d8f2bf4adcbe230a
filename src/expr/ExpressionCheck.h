// The front end: normalisation, the check that runs before evaluation and
// the location of bracket groups.
#pragma once

#include "expr/ErrorCodes.h"
#include "expr/MathContext.h"
#include "expr/MathExpression.h"

namespace vantrel::expr {

// Writes `text` without its space characters and with ASCII letters in lower
// case into `output`, terminated; returns the length written. `output` needs
// room for the whole text and its terminator.
int normalize_math_expression(const char* text, char* output);

// The check of the text as typed: 0, or 3 (too long), 21 / 22 (unbalanced
// brackets), 2 (a symbol outside the allowed set). Leaves no error code.
ErrorCode check_math_expression_for_correctness(MathContext& context, const char* text,
                                                int diagnostics);

// 0 when the brackets balance; the (negative) depth at the first ')' that
// closes nothing; else the number of unclosed '('. Writes its own two-line
// diagnostic whatever the switch says.
int check_for_brackets_correctness_in_math_expression(MathContext& context, const char* text);

// Finds the first '(' of the span and the ')' that closes it (offsets into the
// span; both 0 when the span has no bracket). Returns 0 on success, the depth
// when the brackets do not match, 3 for a span of MX_MATH_EXPRESSION_LENGTH
// or more.
int positions_of_brackets(MathContext& context, const char* span, int length, int& first_open,
                          int& matching_close, ErrorCode& error_code, int diagnostics);

}  // namespace vantrel::expr
