// Finds a category or a unit by the name a user gives, as the window's lists
// and the command line show it: a category by its name, a unit by its name or
// its abbreviation; failing an exact match, the same without trailing blanks
// (several built-in names end in one). Names are the same in every language.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "units/UnitCatalogue.h"

namespace vantrel {

std::string_view TrimTrailingBlanks(std::string_view text);

// The category of that exact name or, failing that, the only one equal to it
// but for letter case and trailing blanks; null when none (or several).
const CCategory* FindCategoryByName(const CUnitCatalogue& catalogue, std::string_view name);

// How well a text names a unit, best first.
enum class UnitNameRank {
  kName,
  kAbbreviation,
  kAbbreviationPart,
  kTrimmedName,
  kTrimmedAbbreviation
};

// Where the first of several abbreviations ("NM, nmi") ends: at the first
// ", " outside brackets ("ft (Clarke, Cape)" is one), or at the end.
std::size_t FirstAbbreviationEnd(std::string_view abbreviation);

// Calls add(text, rank) for every text a unit of that name and abbreviation
// is found by: its name, its abbreviation (when it has one), each of several
// abbreviations, and the name and abbreviation without their trailing blanks
// where they have some; best rank first. The texts are views into the
// arguments; nothing is allocated, so a scan over the whole catalogue stays
// cheap.
template <typename Add>
void ForEachSpelling(std::string_view name, std::string_view abbreviation, Add add) {
  const std::string_view trimmedName = TrimTrailingBlanks(name);
  const std::string_view trimmedAbbreviation = TrimTrailingBlanks(abbreviation);
  if (!name.empty()) add(name, UnitNameRank::kName);
  if (!trimmedAbbreviation.empty()) add(abbreviation, UnitNameRank::kAbbreviation);
  for (std::string_view rest = trimmedAbbreviation;;) {
    const std::size_t end = FirstAbbreviationEnd(rest);
    if (end == rest.size()) {
      if (rest.size() != trimmedAbbreviation.size()) add(rest, UnitNameRank::kAbbreviationPart);
      break;
    }
    add(rest.substr(0, end), UnitNameRank::kAbbreviationPart);
    rest.remove_prefix(end + 2);
  }
  if (!trimmedName.empty() && trimmedName.size() != name.size())
    add(trimmedName, UnitNameRank::kTrimmedName);
  if (!trimmedAbbreviation.empty() && trimmedAbbreviation.size() != abbreviation.size())
    add(trimmedAbbreviation, UnitNameRank::kTrimmedAbbreviation);
}

// The units of the category that the text names, all of the best rank any of
// them reaches: the text as given or, failing that, without its trailing
// blanks. Empty when none; several for an abbreviation that units share.
std::vector<const CUnit*> FindUnitsByName(const CCategory& category, std::string_view text);

// What a result writes after its number: the unit's first abbreviation, if
// it names that unit alone in its category, else the name without trailing
// blanks; so that it reads back as the same unit.
std::string_view UnitSymbol(const CCategory& category, const CUnit& unit);

}  // namespace vantrel
