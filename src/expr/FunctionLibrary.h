// The functions an expression can call by name, by number of arguments.
// Names are compared exactly with the lower-case text before the '('; the
// arguments are evaluated first, then a failed domain test is reported and
// the value computed anyway (IEEE arithmetic gives NaN or an infinity).
#pragma once

#include <string_view>

#include "expr/ErrorCodes.h"
#include "expr/MathContext.h"
#include "expr/MathExpression.h"

namespace vantrel::expr {

// pi(), e() and rand(); any other name gives 0 with code 9.
ME_TYPE eval_no_argument_function(MathContext& context, std::string_view name, ME_TYPE x, ME_TYPE y,
                                  ME_TYPE z, ME_TYPE t, ErrorCode& error_code, int diagnostics);

// The argument is the whole of `arguments`; an unknown name gives 0 with code 10.
ME_TYPE eval_one_argument_function_xyzt(MathContext& context, std::string_view name,
                                        std::string_view arguments, ME_TYPE x, ME_TYPE y, ME_TYPE z,
                                        ME_TYPE t, ErrorCode& error_code, int diagnostics);

// The arguments are cut at the offset of the comma; unknown names give 0 with
// code 11.
ME_TYPE eval_two_arguments_function_xyzt(MathContext& context, std::string_view name,
                                         std::string_view arguments, int comma, ME_TYPE x,
                                         ME_TYPE y, ME_TYPE z, ME_TYPE t, ErrorCode& error_code,
                                         int diagnostics);

// The arguments are cut at the offsets of the two commas; only impuls exists.
ME_TYPE eval_three_arguments_function_xyzt(MathContext& context, std::string_view name,
                                           std::string_view arguments, int first_comma,
                                           int second_comma, ME_TYPE x, ME_TYPE y, ME_TYPE z,
                                           ME_TYPE t, ErrorCode& error_code, int diagnostics);

}  // namespace vantrel::expr
