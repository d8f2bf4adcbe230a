// How a one-line query reads, before any unit is chosen:
//   VALUE UNIT [VALUE UNIT ...] [(in | to | as | -> | =) UNIT] [, CATEGORY]
// A unit's name may hold blanks ("nautical mile") and may follow its value
// without one ("100km"): it is the longest run of words the unit index
// knows. "in" and "as" are units too (inch, attosecond): a word is taken for
// the connector only where the words before it read as values and units and
// those after it as a unit.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/UnitIndex.h"

namespace vantrel::cli {

struct QueryQuantity {
  std::string value;  // as typed
  std::string unit;   // its words joined by single blanks
};

struct QueryParts {
  std::vector<QueryQuantity> quantities;  // one at least, summed
  std::string target;                     // empty when none is given
};

enum class QueryProblem {
  kNone,
  kNotAQuery,  // nothing in the text reads as a conversion: answer nothing
  kError,      // a conversion was meant, but it fails
};

// Cuts a ", CATEGORY" suffix off the text and gives it, trimmed: what
// follows the last comma outside brackets, unless it is blank or holds a
// digit ("1,5 m" is no suffix). Empty when there is none.
std::string_view CutCategorySuffix(std::string_view& text);

// The text without its suffix. kNotAQuery for a text whose first word holds no digit, or in which
// no run of words names a unit; kError, with a one-line reason, for one that names a unit but does
// not read as a query (an unknown unit, a value without a unit). An unknown unit's close names are
// those of `category` when given.
Result<QueryParts, QueryProblem> ReadQuery(std::string_view text, const UnitIndex& index,
                                           const CCategory* category);

}  // namespace vantrel::cli
