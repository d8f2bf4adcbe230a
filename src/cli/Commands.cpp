#include "cli/Commands.h"

#include <string>

#include "cli/Query.h"
#include "platform/NumberText.h"
#include "platform/TextEncoding.h"

namespace vantrel::cli {

bool ChosenCategory(Session& session, const std::optional<std::string>& name,
                    const CCategory*& category, std::string& error) {
  category = nullptr;
  if (!name) return true;
  category = session.Index().FindCategory(*name);
  if (category) return true;
  error = "unknown category " + Quoted(*name) + " (see --categories)";
  return false;
}

void ApplyFormatOptions(Session& session, const Options& options) {
  if (options.format) session.Catalogue().Format().mode = *options.format;
  if (options.precision) session.Catalogue().Format().precision = *options.precision;
}

namespace {

// The result of a query alone, as its three-argument form prints it.
int RunQuery(Session& session, const std::string& query, const CCategory* category,
             std::ostream& out, std::ostream& err) {
  auto answer = AnswerQuery(session, query, category);
  switch (answer.error) {
    case QueryProblem::kNotAQuery:
      if (answer.message.empty())
        answer.message = "expected VALUE FROM TO or a query such as \"100 mi in km\", not " +
                         Quoted(query) + " (try --help)";
      return Fail(err, kExitUsageError, answer.message);
    case QueryProblem::kError:
      return Fail(err, kExitConversionError, answer.message);
    case QueryProblem::kNone:
      break;
  }
  answer.value.number += '\n';
  out << answer.value.number;
  return kExitSuccess;
}

}  // namespace

int RunConversion(Session& session, const Options& options, const CCategory* category,
                  std::ostream& out, std::ostream& err) {
  if (options.positional.size() == 1)
    return RunQuery(session, options.positional.front(), category, out, err);
  std::string error;
  std::string result;
  if (!session.Convert(options.positional[0], options.positional[1], options.positional[2],
                       category, result, error))
    return Fail(err, kExitConversionError, error);
  result += '\n';
  out << result;
  return kExitSuccess;
}

int RunList(Session& session, const CCategory* only, std::ostream& out) {
  for (const auto& [categoryName, category] : session.Catalogue().Categories()) {
    if (only && &category != only) continue;
    for (const auto& [unitName, unit] : category.Units())
      out << categoryName << '\t' << unitName << '\t' << unit.abbreviation << '\t'
          << FormatText("%.17g", unit.coefficient) << '\t' << FormatText("%.17g", unit.offset)
          << '\t' << unit.inverted << '\n';
  }
  return kExitSuccess;
}

int RunCategories(Session& session, std::ostream& out) {
  for (const auto& [name, category] : session.Catalogue().Categories())
    out << name << '\t' << category.Visible() << '\t' << category.Units().size() << '\n';
  return kExitSuccess;
}

}  // namespace vantrel::cli
