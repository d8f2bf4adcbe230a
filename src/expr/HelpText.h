// The help text that the help keywords ask for.
#pragma once

#include <cstdio>

namespace vantrel::expr {

// Writes the help text to `out` (nothing when it is null). A positive
// `lines_per_page` pauses after every that many lines until a line is read
// from standard input; the evaluator passes 0.
void print_math_expression_help(std::FILE* out, int lines_per_page);

}  // namespace vantrel::expr
