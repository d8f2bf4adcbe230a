// vantrel-convert's commands over one session. Results go to `out`, messages
// to `err` ("vantrel-convert: ..."); each returns the process exit code.
#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "cli/Options.h"
#include "cli/Session.h"

namespace vantrel::cli {

// Each command takes the category --category names, or null without one.

// VALUE FROM TO, or one query ("100 mi in km"): one result line.
int RunConversion(Session& session, const Options& options, const CCategory* category,
                  std::ostream& out, std::ostream& err);

// Category, unit name, abbreviation, coefficient, offset, inverted flag; tab
// separated, every category (or only the one given), hidden and custom ones
// too.
int RunList(Session& session, const CCategory* only, std::ostream& out);

// Name, visible flag, unit count; tab separated.
int RunCategories(Session& session, std::ostream& out);

// The category of that name, or null without a name. False with a message
// when it names none.
bool ChosenCategory(Session& session, const std::optional<std::string>& name,
                    const CCategory*& category, std::string& error);

// Applies --format and --precision over the stored result format.
void ApplyFormatOptions(Session& session, const Options& options);

}  // namespace vantrel::cli
