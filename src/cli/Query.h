// One-line conversion queries as people type them into a command line or a
// desktop search: "100 mi in km", "5 ft 3 in to cm", "100 mph",
// "1 t in kg, Mass".
#pragma once

#include <string>
#include <string_view>

#include "cli/QueryText.h"
#include "cli/Session.h"

namespace vantrel::cli {

struct QueryAnswer {
  // Names as the window lists them (UTF-8), the same in every language.
  std::string category;
  std::string from;
  std::string to;
  std::string value;        // the value in FROM, as the window's input box takes it
  std::string result;       // the result and TO's abbreviation: "160.9344 km"
  std::string description;  // "100 mile = 160.9344 kilometer"
  // The result alone, as `vantrel-convert VALUE FROM TO` prints it: "160.9344".
  std::string number;
};

// Whether the bytes (no more than a query's 256) may hold a query at all:
// UTF-8 text without control characters (a tab aside), with a digit and a
// character that no number or operator has. Most text typed into a desktop
// search fails here without a look-up; KRunner's entry for the service
// (res/search/vantrel-search.desktop.in) applies the same rule.
bool MayBeQuery(std::string_view text);

// The answer to a query, in a category chosen beforehand when `category` is
// given, as a ", CATEGORY" at the end of the text chooses one; the two must
// agree. kNotAQuery may come with a reason too: a text longer than a query
// may be (256 bytes), a unit that has no usual target, a category that is
// none or not the one chosen.
Result<QueryAnswer, QueryProblem> AnswerQuery(Session& session, std::string_view text,
                                              const CCategory* category = nullptr);

}  // namespace vantrel::cli
