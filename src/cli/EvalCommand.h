// `vantrel-convert --eval`: evaluates expressions and prints, one line each,
// the value (%.17g in the classic locale; inf, -inf, nan), a tab and the
// evaluator's error code. Other tools read this format: keep it exact.
#pragma once

#include <istream>
#include <ostream>

#include "cli/Options.h"

namespace vantrel::cli {

// The expressions are the positional arguments (at least one); "-" reads one
// expression a line from standard input. x, y, z and t are 0, and the random
// state carries from one expression to the next. Returns 0 when every
// expression left code 0, 1 otherwise.
int RunEval(const Options& options, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace vantrel::cli
