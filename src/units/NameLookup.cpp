#include "units/NameLookup.h"

#include "platform/TextCase.h"

namespace vantrel {

std::string_view TrimTrailingBlanks(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

const CCategory* FindCategoryByName(const CUnitCatalogue& catalogue, std::string_view name) {
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

std::size_t FirstAbbreviationEnd(std::string_view abbreviation) {
  int depth = 0;
  for (std::size_t i = 0; i < abbreviation.size(); ++i) {
    const char c = abbreviation[i];
    depth += c == '(' ? 1 : c == ')' ? -1 : 0;
    if (depth == 0 && abbreviation.substr(i).starts_with(", ")) return i;
  }
  return abbreviation.size();
}

std::string_view UnitSymbol(const CCategory& category, const CUnit& unit) {
  const std::string_view abbreviation = TrimTrailingBlanks(unit.abbreviation);
  const std::string_view symbol =
      TrimTrailingBlanks(abbreviation.substr(0, FirstAbbreviationEnd(abbreviation)));
  if (!symbol.empty() && FindUnitsByName(category, symbol) == std::vector{&unit}) return symbol;
  return TrimTrailingBlanks(unit.name);
}

std::vector<const CUnit*> FindUnitsByName(const CCategory& category, std::string_view text) {
  const auto find = [&](std::string_view key) {
    std::vector<const CUnit*> best;
    UnitNameRank bestRank{};
    for (const auto& [unitName, unit] : category.Units()) {
      const CUnit* const theUnit = &unit;
      bool found = false;  // a unit counts once, at its best rank (spellings come best first)
      ForEachSpelling(unit.name, unit.abbreviation,
                      [&](std::string_view spelling, UnitNameRank rank) {
                        if (found || spelling != key || (!best.empty() && rank > bestRank)) return;
                        found = true;
                        if (!best.empty() && rank < bestRank) best.clear();
                        bestRank = rank;
                        best.push_back(theUnit);
                      });
    }
    return best;
  };
  std::vector<const CUnit*> units = find(text);
  if (units.empty() && TrimTrailingBlanks(text).size() != text.size())
    units = find(TrimTrailingBlanks(text));
  return units;
}

}  // namespace vantrel
