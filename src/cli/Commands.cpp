#include "cli/Commands.h"

#include <string>
#include <vector>

#include "platform/NumberText.h"
#include "platform/TextEncoding.h"

namespace vantrel::cli {

bool ChosenCategory(Session& session, const std::optional<std::string>& name,
                    const CCategory*& category, std::string& error) {
  category = nullptr;
  if (!name) return true;
  category = session.Index().FindCategory(Utf8ToWide(*name));
  if (category) return true;
  error = "unknown category '" + *name + "' (see --categories)";
  return false;
}

namespace {

std::vector<std::string_view> SplitTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  for (;;) {
    const auto tab = line.find('\t');
    fields.push_back(line.substr(0, tab));
    if (tab == std::string_view::npos) return fields;
    line.remove_prefix(tab + 1);
  }
}

}  // namespace

void ApplyFormatOptions(Session& session, const Options& options) {
  if (options.format) session.Catalogue().Format().mode = *options.format;
  if (options.precision) session.Catalogue().Format().precision = *options.precision;
}

int RunConversion(Session& session, const Options& options, const CCategory* category,
                  std::ostream& out, std::ostream& err) {
  std::string error;
  std::wstring result;
  if (!session.Convert(options.positional[0], options.positional[1], options.positional[2],
                       category, result, error))
    return Fail(err, kExitConversionError, error);
  out << WideToUtf8(result) << '\n';
  return kExitSuccess;
}

int RunBatch(Session& session, const CCategory* defaultCategory, std::istream& in,
             std::ostream& out, std::ostream& err) {
  std::string error;
  std::string line;
  std::wstring result;
  long lines = 0;
  long failures = 0;
  for (;;) {
    if (in.rdbuf()->in_avail() <= 0) out.flush();
    if (!std::getline(in, line)) break;
    ++lines;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto fields = SplitTabs(line);
    bool ok = false;
    if (fields.size() != 3 && fields.size() != 4) {
      error = "expected VALUE<TAB>FROM<TAB>TO[<TAB>CATEGORY]";
    } else {
      const CCategory* category = defaultCategory;
      std::optional<std::string> named;
      if (fields.size() == 4 && !fields[3].empty()) named = std::string(fields[3]);
      if (!named || ChosenCategory(session, named, category, error))
        ok = session.Convert(fields[0], fields[1], fields[2], category, result, error);
    }
    if (ok) {
      out << WideToUtf8(result) << '\n';
    } else {
      out << "error: " << error << '\n';
      ++failures;
    }
  }
  out.flush();
  if (failures == 0) return kExitSuccess;
  return Fail(err, kExitConversionError,
              std::to_string(failures) + " of " + std::to_string(lines) + " lines failed");
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
