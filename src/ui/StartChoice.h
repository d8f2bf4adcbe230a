// What the command line asks the converter window to show as it starts
// (vantrel --category NAME --from UNIT --to UNIT --value TEXT): each part
// when it is given, and what was wrong with the options as written. It only
// chooses what shows: the remembered selection stays as it is stored.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "units/UnitCatalogue.h"

namespace vantrel {

struct StartOptionProblem {
  enum class Kind { kMissingValue, kRepeated, kUnknown };
  Kind kind;
  QString option;  // as the program knows it: "--category"; kUnknown: the arguments as given

  bool operator==(const StartOptionProblem&) const = default;
};

struct StartChoice {
  std::optional<QString> category{};
  std::optional<QString> from{};
  std::optional<QString> to{};
  std::optional<QString> value{};
  // An option with a problem is left out.
  std::vector<StartOptionProblem> problems{};

  bool operator==(const StartChoice&) const = default;
};

// The choice as the window carries it out: what to select and type, and a
// sentence for each problem, in the window's language. An option that names
// nothing the window lists is left out, and with an unknown category the
// units named for it.
struct StartSelection {
  const CCategory* category = nullptr;  // null: the category shown stays
  const CUnit* from = nullptr;
  const CUnit* to = nullptr;
  std::optional<QString> value;
  QStringList problems;
};

// Names match as FindCategoryByName and FindUnitsByName match them; a
// category must be one the window lists (visible). Units are looked up in the
// chosen category, else in `shown` (null when the window shows none).
StartSelection ResolveStartChoice(const StartChoice& choice, const CUnitCatalogue& catalogue,
                                  const CCategory* shown);

}  // namespace vantrel
