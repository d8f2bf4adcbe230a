// The user's own categories and units in the settings file: the
// "CustomCategories" entries (name=) and the "CustomUnits" entries
// (name=@category?val=coefficient?i=inverted), and their loading at start.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/Profile.h"

namespace vantrel {

class CUnitCatalogue;

struct CustomUnitEntry {
  std::string unit;
  std::string category;
  double coefficient = 0.0;
  int inverted = 0;
  std::string coefficientText;  // as the file writes it
};

// Whether a coefficient defines a unit: above 0 and a normal number, so that
// one of the unit converts to a finite number, and back. 0, a negative
// number, an infinity, NaN and a subnormal number (1e-320, whose reciprocal
// overflows) do not.
bool IsUsableCoefficient(double coefficient);

// "@category?val=%1.8g?i=%d", with as many more digits as the coefficient
// needs to read back exactly (1/3 is 0.3333333333333333): older versions
// wrote eight, and a unit read again after a restart must be the same.
std::string FormatCustomUnitValue(std::string_view category, double coefficient, int inverted);

// Splits one "key=value" entry: first "=@", then "?val=", then "?i=". False
// when a marker is missing or the unit name is empty (a nameless unit would
// end every enumeration of its category at once).
bool ParseCustomUnitEntry(std::string_view entry, CustomUnitEntry& parsed);

// Whether the name survives a round trip through its entry.
bool IsStorableUnitName(std::string_view name);
bool IsStorableCategoryName(std::string_view name);

// What the file as it is says against storing a new unit `name` in
// `category` (another copy of the program may have stored one since this one
// read it): 1 when it holds that unit there, 7 when a unit sharing the key
// lives in another category (one the catalogue or the file knows; an entry
// of a category gone is no unit), else 4.
int CheckStoredUnitName(const IniDocument& file, const CUnitCatalogue& catalogue,
                        std::string_view category, std::string_view name);
// The same for a new custom category: 1 when the file holds that category, 7
// when it holds one sharing the key, else 4.
int CheckStoredCategoryName(const IniDocument& file, std::string_view name);

// Merges every custom category, then every custom unit, into the catalogue.
// Never writes; entries that fail stay in the file untouched. Returns the
// units left out because their coefficient defines no unit, in file order.
std::vector<CustomUnitEntry> LoadCustomDefinitions(CUnitCatalogue& catalogue,
                                                   const Profile& profile);

// Names units left out at loading for a message, in UTF-8:
// "'widget' in 'Distance' (coefficient '0'), ..." (the first few, then how
// many more).
std::string NameUnusableUnits(const std::vector<CustomUnitEntry>& skipped);

// Reads each category's "Visibility" flag from `stored` (its present flag as
// default) and stores it through the catalogue, which writes back, in one
// replace of its file, every flag whose text the file does not already hold.
void ApplyStoredVisibility(CUnitCatalogue& catalogue, const Profile& stored);

}  // namespace vantrel
