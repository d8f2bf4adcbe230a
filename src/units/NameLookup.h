// Finds a category or a unit by the name a user gives, as the window's lists
// and the command line show it: a category by its name, a unit by its name or
// its abbreviation; failing an exact match, the same without trailing blanks
// (several built-in names end in one). Names are the same in every language.
#pragma once

#include <string_view>
#include <vector>

#include "units/UnitCatalogue.h"

namespace vantrel {

std::wstring_view TrimTrailingBlanks(std::wstring_view text);

// The category of that exact name or, failing that, the only one equal to it
// but for letter case and trailing blanks; null when none (or several).
const CCategory* FindCategoryByName(const CUnitCatalogue& catalogue, std::wstring_view name);

// How well a text names a unit, best first.
enum class UnitNameRank { kName, kAbbreviation, kTrimmedName, kTrimmedAbbreviation };

struct UnitSpelling {
  std::wstring_view text;  // into the unit's own names
  UnitNameRank rank;
};

// The texts a unit is found by, with their ranks: its name, its abbreviation
// (when it has one), and either without its trailing blanks where it has some.
std::vector<UnitSpelling> SpellingsOf(const CUnit& unit);

// The units of the category that the text names, all of the best rank any of
// them reaches: the text as given or, failing that, without its trailing
// blanks. Empty when none; several for an abbreviation that units share.
std::vector<const CUnit*> FindUnitsByName(const CCategory& category, std::wstring_view text);

}  // namespace vantrel
