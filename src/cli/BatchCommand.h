// vantrel-convert --batch: one conversion per input line.
#pragma once

#include <istream>
#include <ostream>

#include "cli/Session.h"

namespace vantrel::cli {

// Lines "VALUE<TAB>FROM<TAB>TO[<TAB>CATEGORY]" in, one result or "error: ..."
// line out for each, in the category given (null: none) unless the line
// names one. The answers are written in large pieces, and whenever the input
// has nothing more buffered, so that a caller can converse line by line.
int RunBatch(Session& session, const CCategory* category, std::istream& in, std::ostream& out,
             std::ostream& err);

}  // namespace vantrel::cli
