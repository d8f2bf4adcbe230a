#include "cli/UnitIndex.h"

#include <algorithm>

#include "cli/CommandLine.h"
#include "cli/UnitAliases.h"
#include "platform/TextEncoding.h"

namespace vantrel::cli {

UnitIndex::UnitIndex(const CUnitCatalogue& catalogue) : catalogue_(catalogue) {}

void UnitIndex::BuildTable() const {
  for (const auto& [categoryName, category] : catalogue_.Categories()) {
    for (const auto& [unitName, unit] : category.Units()) {
      // Pointers, not the bindings themselves: older compilers cannot capture those.
      const CCategory* const inCategory = &category;
      const CUnit* const theUnit = &unit;
      ForEachSpelling(unit.name, unit.abbreviation, [&](std::string_view key, UnitNameRank rank) {
        entries_[std::string(key)].push_back({inCategory, theUnit, rank});
      });
    }
  }
  tableBuilt_ = true;
}

bool UnitIndex::Find(std::string_view key, const CCategory* category,
                     std::vector<Entry>& entries) const {
  if (!tableBuilt_ && ++lookups_ > kLookupsBeforeTable) BuildTable();
  if (tableBuilt_) {
    const auto it = entries_.find(std::string(key));
    if (it == entries_.end()) return false;
    for (const Entry& entry : it->second)
      if (!category || entry.category == category) entries.push_back(entry);
    return true;
  }
  bool named = false;
  for (const auto& [categoryName, candidate] : catalogue_.Categories()) {
    const CCategory* const inCategory = &candidate;
    // Built-in rows not yet units are read as they are: only a category
    // that has the key becomes units.
    bool pendingHasKey = false;
    for (const BuiltinUnit& row : inCategory->PendingBuiltinUnits())
      ForEachSpelling(row.name, row.abbreviation,
                      [&](std::string_view text, UnitNameRank) { pendingHasKey |= text == key; });
    if (!inCategory->PendingBuiltinUnits().empty() && !pendingHasKey) continue;
    for (const auto& [unitName, unit] : inCategory->Units()) {
      const CUnit* const theUnit = &unit;
      ForEachSpelling(unit.name, unit.abbreviation, [&](std::string_view text, UnitNameRank rank) {
        if (text != key) return;
        named = true;
        if (!category || inCategory == category) entries.push_back({inCategory, theUnit, rank});
      });
    }
  }
  return named;
}

const CCategory* UnitIndex::FindCategory(std::string_view name) const {
  return FindCategoryByName(catalogue_, name);
}

std::vector<UnitIndex::Match> UnitIndex::Lookup(std::string_view text,
                                                const CCategory* category) const {
  std::vector<Entry> entries;
  const bool named =
      Find(text, category, entries) || (TrimTrailingBlanks(text).size() != text.size() &&
                                        Find(TrimTrailingBlanks(text), category, entries));
  if (!named) AddOtherSpellings(text, category, entries);
  std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    if (a.category != b.category) return a.category->Name() < b.category->Name();
    if (a.rank != b.rank) return a.rank < b.rank;
    return a.unit->name < b.unit->name;
  });
  std::vector<Match> matches;
  for (std::size_t i = 0; i < entries.size();) {
    Match match{entries[i].category, {}};
    const UnitNameRank best = entries[i].rank;
    for (; i < entries.size() && entries[i].category == match.category; ++i)
      if (entries[i].rank == best &&
          std::find(match.units.begin(), match.units.end(), entries[i].unit) == match.units.end())
        match.units.push_back(entries[i].unit);
    matches.push_back(std::move(match));
  }
  return matches;
}

Result<UnitChoice, UnitResolution> UnitIndex::Resolve(std::string_view from, std::string_view to,
                                                      const CCategory* category) const {
  const std::string_view texts[] = {from, to};
  Result<UnitsChoice, UnitResolution> units =
      ResolveUnits(texts, category, "choose one with --category");
  if (!units) return {units.error, std::move(units.message)};
  return UnitChoice{units.value.category, units.value.units[0], units.value.units[1]};
}

Result<UnitsChoice, UnitResolution> UnitIndex::ResolveUnits(std::span<const std::string_view> texts,
                                                            const CCategory* category,
                                                            std::string_view howToChoose) const {
  using enum UnitResolution;
  if (texts.empty()) return {kUnknownUnit, "no unit given"};
  std::vector<std::vector<Match>> matches;
  for (const std::string_view text : texts) {
    matches.push_back(Lookup(text, category));
    if (matches.back().empty()) return {kUnknownUnit, UnknownUnit(text, category)};
  }

  // The categories of the first text's matches that every other text has,
  // and the match of each text there.
  std::vector<std::vector<const Match*>> common;
  for (const Match& first : matches.front()) {
    std::vector<const Match*> row{&first};
    for (std::size_t i = 1; i < matches.size() && row.size() == i; ++i)
      for (const Match& other : matches[i])
        if (other.category == first.category) row.push_back(&other);
    if (row.size() == matches.size()) common.push_back(std::move(row));
  }

  if (common.empty()) {
    auto categoriesOf = [](const std::vector<Match>& found) {
      std::vector<std::string> names;
      for (const Match& match : found) names.push_back(match.category->Name());
      return QuotedList(names);
    };
    std::string error;
    for (std::size_t i = 0; i < texts.size(); ++i) {
      if (i > 0) error += i + 1 == texts.size() ? " and " : ", ";
      error += Quoted(texts[i]) + " (" + categoriesOf(matches[i]) + ")";
    }
    return {kNoCommonCategory, error + " share no category"};
  }
  UnitsChoice choice;
  if (common.size() > 1) {
    std::vector<std::string> names;
    for (const auto& row : common) {
      names.push_back(row.front()->category->Name());
      choice.categories.push_back(row.front()->category);
    }
    return {kSeveralCategories,
            "units found in more than one category, " + std::string(howToChoose) + ": " +
                QuotedList(names),
            std::move(choice)};
  }

  choice.category = common.front().front()->category;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const Match& match = *common.front()[i];
    if (match.units.size() != 1) {
      std::vector<std::string> names;
      for (const CUnit* candidate : match.units) names.push_back(candidate->name);
      return {kSeveralUnits, Quoted(texts[i]) + " stands for several units of " +
                                 Quoted(match.category->Name()) + ": " + QuotedList(names)};
    }
    choice.units.push_back(match.units.front());
  }
  return choice;
}

bool UnitIndex::NamesUnit(std::string_view text) const { return !Lookup(text, nullptr).empty(); }

std::size_t UnitIndex::MostWordsInAName() const {
  if (mostWords_ > 0) return mostWords_;
  auto count = [&](std::string_view text) {
    text = TrimTrailingBlanks(text);
    mostWords_ = std::max<std::size_t>(mostWords_, std::count(text.begin(), text.end(), ' ') + 1);
  };
  for (const auto& [categoryName, category] : catalogue_.Categories()) {
    // Rows not yet units are counted as they are: a category gets custom
    // units only once its built-in rows are units.
    for (const BuiltinUnit& row : category.PendingBuiltinUnits()) {
      count(row.name);
      count(row.abbreviation);
    }
    if (!category.PendingBuiltinUnits().empty()) continue;
    for (const auto& [unitName, unit] : category.Units()) {
      count(unit.name);
      count(unit.abbreviation);
    }
  }
  for (const UnitAlias& alias : UnitAliases()) count(alias.spelling);
  return mostWords_;
}

std::vector<std::string> UnitIndex::CloseNames(std::string_view text,
                                               const CCategory* category) const {
  if (!closeNames_) closeNames_.emplace(catalogue_);
  return closeNames_->Find(TrimTrailingBlanks(text), category);
}

void UnitIndex::AddOtherSpellings(std::string_view text, const CCategory* category,
                                  std::vector<Entry>& entries) const {
  // The first spelling that names a unit wins: "miles" is "mile", not "mil".
  std::vector<Entry> found;
  for (const Spelling& spelling : OtherSpellings(text)) {
    found.clear();
    if (!Find(spelling.text, category, found)) continue;
    for (const Entry& entry : found)
      if (spelling.category.empty() || entry.category->Name() == spelling.category)
        entries.push_back(entry);
    if (!entries.empty()) return;
  }
}

std::string UnitIndex::UnknownUnit(std::string_view text, const CCategory* category) const {
  std::string message = "unknown unit " + Quoted(text);
  if (category) message += " in " + Quoted(category->Name());
  const auto close = CloseNames(text, category);
  if (!close.empty()) message += "; close names: " + QuotedList(close);
  return message;
}

}  // namespace vantrel::cli
