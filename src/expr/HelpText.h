// The help text that the help keywords ask for.
#pragma once

#include "expr/MathContext.h"

namespace vantrel::expr {

// Writes the help text to `out`, a page at a time. A positive
// `lines_per_page` pauses after every that many lines until a line is read
// from standard input; the evaluator passes 0, which makes the whole text one
// page.
void print_math_expression_help(const MathSink& out, int lines_per_page);

}  // namespace vantrel::expr
