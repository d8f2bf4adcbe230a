// One-line conversion queries as people type them into a command line or a
// desktop search: "100 mi in km", "5 ft 3 in to cm", "100 mph",
// "1 t in kg, Mass".
#pragma once

#include <string>
#include <string_view>

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

enum class QueryStatus {
  kNotAQuery,  // nothing in the text reads as a conversion: answer nothing
  kAnswered,
  kError,  // a conversion was meant, but it fails: `error` says why
};

QueryStatus AnswerQuery(Session& session, std::string_view text, QueryAnswer& answer,
                        std::string& error);

// The same in a category chosen beforehand (null: none), as a ", CATEGORY"
// at the end of the text chooses one; the two must agree. kNotAQuery may
// come with a reason in `error` too: a text longer than a query may be (256
// bytes), a unit that has no usual target, a category that is none or not
// the one chosen.
QueryStatus AnswerQuery(Session& session, std::string_view text, const CCategory* category,
                        QueryAnswer& answer, std::string& error);

}  // namespace vantrel::cli
