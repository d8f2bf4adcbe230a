// vantrel-convert's commands about one unit: what is known of it (--info) and
// a value of it in every unit of its category (--all).
#pragma once

#include <ostream>

#include "cli/Options.h"
#include "cli/Session.h"

namespace vantrel::cli {

// Each takes the category --category names, or null without one.

// --info UNIT: one "key<TAB>value" line each for the
// category, name, abbreviation, coefficient (%.17g), offset, inverted flag,
// provenance (exact, derived, chosen, none; custom for the user's units) and
// source of the coefficient.
int RunInfo(Session& session, const Options& options, const CCategory* category, std::ostream& out,
            std::ostream& err);

// VALUE FROM --all: one "unit<TAB>result" line for every
// unit of FROM's category, in the built-in table's order and then the custom
// units by name, in the result format.
int RunAll(Session& session, const Options& options, const CCategory* category, std::ostream& out,
           std::ostream& err);

}  // namespace vantrel::cli
