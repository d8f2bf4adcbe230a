// Finds a category or a unit by the name a user gives, as the window's lists
// and the command line show it: a category by its name, a unit by its name or
// its abbreviation; failing an exact match, the same without trailing blanks
// (several built-in names end in one). Names are the same in every language.
#pragma once

#include <string_view>
#include <vector>

#include "units/UnitCatalogue.h"

namespace vantrel {

std::string_view TrimTrailingBlanks(std::string_view text);

// The category of that exact name or, failing that, the only one equal to it
// but for letter case and trailing blanks; null when none (or several).
const CCategory* FindCategoryByName(const CUnitCatalogue& catalogue, std::string_view name);

// How well a text names a unit, best first.
enum class UnitNameRank { kName, kAbbreviation, kTrimmedName, kTrimmedAbbreviation };

// Calls add(text, rank) for every text a unit of that name and abbreviation
// is found by: its name, its abbreviation (when it has one), and either
// without its trailing blanks where it has some; best rank first. The texts
// are views into the arguments; nothing is allocated, so a scan over the
// whole catalogue stays cheap.
template <typename Add>
void ForEachSpelling(std::string_view name, std::string_view abbreviation, Add add) {
  const std::string_view trimmedName = TrimTrailingBlanks(name);
  const std::string_view trimmedAbbreviation = TrimTrailingBlanks(abbreviation);
  if (!name.empty()) add(name, UnitNameRank::kName);
  if (!trimmedAbbreviation.empty()) add(abbreviation, UnitNameRank::kAbbreviation);
  if (!trimmedName.empty() && trimmedName.size() != name.size())
    add(trimmedName, UnitNameRank::kTrimmedName);
  if (!trimmedAbbreviation.empty() && trimmedAbbreviation.size() != abbreviation.size())
    add(trimmedAbbreviation, UnitNameRank::kTrimmedAbbreviation);
}

// The units of the category that the text names, all of the best rank any of
// them reaches: the text as given or, failing that, without its trailing
// blanks. Empty when none; several for an abbreviation that units share.
std::vector<const CUnit*> FindUnitsByName(const CCategory& category, std::string_view text);

}  // namespace vantrel
