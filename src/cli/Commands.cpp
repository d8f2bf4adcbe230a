#include "cli/Commands.h"

#include <string>

#include "platform/NumberText.h"
#include "platform/TextEncoding.h"

namespace vantrel::cli {

bool ChosenCategory(Session& session, const std::optional<std::string>& name,
                    const CCategory*& category, std::string& error) {
  category = nullptr;
  if (!name) return true;
  category = session.Index().FindCategory(Utf8ToWide(*name));
  if (category) return true;
  error = "unknown category " + QuotedInput(*name) + " (see --categories)";
  return false;
}

void ApplyFormatOptions(Session& session, const Options& options) {
  if (options.format) session.Catalogue().Format().mode = *options.format;
  if (options.precision) session.Catalogue().Format().precision = *options.precision;
}

int RunConversion(Session& session, const Options& options, const CCategory* category,
                  std::ostream& out, std::ostream& err) {
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
    const std::string name = WideToUtf8(categoryName);
    for (const auto& [unitName, unit] : category.Units())
      out << name << '\t' << WideToUtf8(unitName) << '\t' << WideToUtf8(unit.abbreviation) << '\t'
          << FormatText("%.17g", unit.coefficient) << '\t' << FormatText("%.17g", unit.offset)
          << '\t' << unit.inverted << '\n';
  }
  return kExitSuccess;
}

int RunCategories(Session& session, std::ostream& out) {
  for (const auto& [name, category] : session.Catalogue().Categories())
    out << WideToUtf8(name) << '\t' << category.Visible() << '\t' << category.Units().size()
        << '\n';
  return kExitSuccess;
}

}  // namespace vantrel::cli
