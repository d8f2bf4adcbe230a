#include "cli/UnitCommands.h"

#include <string>
#include <utility>
#include <vector>

#include "cli/Commands.h"
#include "platform/NumberText.h"
#include "platform/TextEncoding.h"
#include "units/BuiltinUnitTable.h"

namespace vantrel::cli {
namespace {

// The unit the text names (in the category, when one is given). A pair of
// the same unit resolves as any pair does, with the same messages.
Result<UnitChoice, UnitResolution> ResolveOne(Session& session, const CCategory* category,
                                              const std::string& text) {
  return session.Index().Resolve(text, text, category);
}

std::vector<const CUnit*> UnitsInOrder(const CCategory& category) {
  std::vector<const CUnit*> units;
  for (const BuiltinUnit& row : BuiltinUnits())
    if (row.category == category.Name())
      if (const CUnit* unit = category.FindUnit(row.name)) units.push_back(unit);
  for (const auto& [name, unit] : category.Units())
    if (unit.custom) units.push_back(&unit);
  return units;
}

}  // namespace

int RunInfo(Session& session, const Options& options, const CCategory* category, std::ostream& out,
            std::ostream& err) {
  const auto resolved = ResolveOne(session, category, options.positional.front());
  if (!resolved) return Fail(err, kExitConversionError, resolved.message);
  const UnitChoice& choice = resolved.value;
  const CUnit& unit = *choice.from;
  const BuiltinUnit* row =
      unit.custom ? nullptr : FindBuiltinUnit(choice.category->Name(), unit.name);
  const std::pair<const char*, std::string> lines[] = {
      {"category", choice.category->Name()},
      {"name", unit.name},
      {"abbreviation", unit.abbreviation},
      {"coefficient", FormatText("%.17g", unit.coefficient)},
      {"offset", FormatText("%.17g", unit.offset)},
      {"inverted", std::to_string(unit.inverted)},
      {"provenance", row ? std::string(ProvenanceName(row->provenance)) : "custom"},
      {"source", row ? std::string(row->source) : "the settings file"},
  };
  for (const auto& [key, value] : lines) out << key << '\t' << value << '\n';
  return kExitSuccess;
}

int RunAll(Session& session, const Options& options, const CCategory* category, std::ostream& out,
           std::ostream& err) {
  const auto resolved = ResolveOne(session, category, options.positional[1]);
  if (!resolved) return Fail(err, kExitConversionError, resolved.message);
  const UnitChoice& choice = resolved.value;
  std::string lines;
  std::string error;
  for (const CUnit* unit : UnitsInOrder(*choice.category)) {
    lines += unit->name + '\t';
    if (!session.Convert(options.positional[0], {choice.category, choice.from, unit}, lines, error))
      return Fail(err, kExitConversionError, error);
    lines += '\n';
  }
  out << lines;
  return kExitSuccess;
}

}  // namespace vantrel::cli
