#include "units/NameLookup.h"

#include "platform/TextCase.h"

namespace vantrel {

std::wstring_view TrimTrailingBlanks(std::wstring_view text) {
  while (!text.empty() && text.back() == L' ') text.remove_suffix(1);
  return text;
}

const CCategory* FindCategoryByName(const CUnitCatalogue& catalogue, std::wstring_view name) {
  if (const CCategory* exact = catalogue.FindCategory(name)) return exact;
  const CCategory* found = nullptr;
  for (const auto& [categoryName, category] : catalogue.Categories()) {
    if (EqualsIgnoreCase(TrimTrailingBlanks(categoryName), TrimTrailingBlanks(name))) {
      if (found) return nullptr;
      found = &category;
    }
  }
  return found;
}

std::vector<UnitSpelling> SpellingsOf(const CUnit& unit) {
  std::vector<UnitSpelling> spellings;
  const auto add = [&](std::wstring_view text, UnitNameRank rank) {
    if (!text.empty()) spellings.push_back({text, rank});
  };
  const std::wstring_view name = TrimTrailingBlanks(unit.name);
  const std::wstring_view abbreviation = TrimTrailingBlanks(unit.abbreviation);
  add(unit.name, UnitNameRank::kName);
  if (!abbreviation.empty()) add(unit.abbreviation, UnitNameRank::kAbbreviation);
  if (name.size() != unit.name.size()) add(name, UnitNameRank::kTrimmedName);
  if (!abbreviation.empty() && abbreviation.size() != unit.abbreviation.size())
    add(abbreviation, UnitNameRank::kTrimmedAbbreviation);
  return spellings;
}

std::vector<const CUnit*> FindUnitsByName(const CCategory& category, std::wstring_view text) {
  const auto find = [&](std::wstring_view key) {
    std::vector<const CUnit*> best;
    UnitNameRank bestRank{};
    for (const auto& [unitName, unit] : category.Units()) {
      for (const UnitSpelling& spelling : SpellingsOf(unit)) {
        if (spelling.text != key || (!best.empty() && spelling.rank > bestRank)) continue;
        if (best.empty() || spelling.rank < bestRank) best.clear();
        bestRank = spelling.rank;
        best.push_back(&unit);
        break;  // a unit's spellings come best first
      }
    }
    return best;
  };
  std::vector<const CUnit*> units = find(text);
  if (units.empty() && TrimTrailingBlanks(text).size() != text.size())
    units = find(TrimTrailingBlanks(text));
  return units;
}

}  // namespace vantrel
