// The evaluator proper: the entry operation, the left-to-right loop with its
// precedence rules, operands (bracket groups, function calls, simple
// operands) and the final test of the result.
//
// Precedence comes from the operator before an operand alone: after + or - an
// operand runs to the next free + or - and is evaluated as an expression;
// after * or / it takes ^ along; after ^ it takes further ^ (right
// association). There is no unary minus after an operator: 2*-3 is -3.
#pragma once

#include "expr/ErrorCodes.h"
#include "expr/MathContext.h"
#include "expr/MathExpression.h"

namespace vantrel::expr {

// Evaluates NUL-terminated text with the four variables. Help keywords
// ("help", "/h", "?", "/?", in any case and spacing) write the help text to
// the context's help sink and give 0. A failed check gives its code as the
// value; so does any code left at the end of the evaluation; a NaN or
// infinite result is returned as it is, with code 12 or 13.
ME_TYPE eval_math_expression_xyzt(MathContext& context, const char* text, ME_TYPE x, ME_TYPE y,
                                  ME_TYPE z, ME_TYPE t, ErrorCode& error_code, int diagnostics);

// The same with fewer variables; the missing ones are 0.
inline ME_TYPE eval_math_expression_xyz(MathContext& context, const char* text, ME_TYPE x,
                                        ME_TYPE y, ME_TYPE z, ErrorCode& error_code,
                                        int diagnostics) {
  return eval_math_expression_xyzt(context, text, x, y, z, 0, error_code, diagnostics);
}
inline ME_TYPE eval_math_expression_xy(MathContext& context, const char* text, ME_TYPE x, ME_TYPE y,
                                       ErrorCode& error_code, int diagnostics) {
  return eval_math_expression_xyzt(context, text, x, y, 0, 0, error_code, diagnostics);
}
inline ME_TYPE eval_math_expression_x(MathContext& context, const char* text, ME_TYPE x,
                                      ErrorCode& error_code, int diagnostics) {
  return eval_math_expression_xyzt(context, text, x, 0, 0, 0, error_code, diagnostics);
}
inline ME_TYPE eval_math_expression(MathContext& context, const char* text, ErrorCode& error_code,
                                    int diagnostics) {
  return eval_math_expression_xyzt(context, text, 0, 0, 0, 0, error_code, diagnostics);
}

// True when the text is a help keyword: evaluating it writes the help and
// gives 0 with no error, which a caller may not take for a value.
bool is_math_expression_help_request(const char* text);

// Evaluates a span of normalised text (no spaces, lower case).
ME_TYPE eval_correct_math_expression_xyzt(MathContext& context, const char* span, int length,
                                          ME_TYPE x, ME_TYPE y, ME_TYPE z, ME_TYPE t,
                                          ErrorCode& error_code, int diagnostics);

// The length of the next operand: the offset of the free operator that ends
// it, or the span's length. Sets `compound` when the operand holds operators
// of higher precedence than `previous_operator` (' ' for none yet).
int find_first_free_operator_pos(MathContext& context, const char* span, int length,
                                 char previous_operator, int& compound, ErrorCode& error_code,
                                 int diagnostics);

// One operand: a bracket group, a function call with up to three arguments,
// or a simple operand.
ME_TYPE eval_math_operand_xyzt(MathContext& context, const char* span, int length, ME_TYPE x,
                               ME_TYPE y, ME_TYPE z, ME_TYPE t, ErrorCode& error_code,
                               int diagnostics);

// 1 (code 12 or 13) when the value is NaN or infinite, else 0.
int test_for_MX_math_expression_result_correction(MathContext& context, ME_TYPE value,
                                                  const char* text, ErrorCode& error_code,
                                                  int diagnostics);

}  // namespace vantrel::expr
