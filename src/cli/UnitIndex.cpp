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
      ForEachSpelling(unit.name, unit.abbreviation, [&](std::wstring_view key, UnitNameRank rank) {
        entries_[std::wstring(key)].push_back({inCategory, theUnit, rank});
      });
    }
  }
  tableBuilt_ = true;
}

bool UnitIndex::Find(std::wstring_view key, const CCategory* category,
                     std::vector<Entry>& entries) const {
  if (!tableBuilt_ && ++lookups_ > kLookupsBeforeTable) BuildTable();
  if (tableBuilt_) {
    const auto it = entries_.find(std::wstring(key));
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
                      [&](std::wstring_view text, UnitNameRank) { pendingHasKey |= text == key; });
    if (!inCategory->PendingBuiltinUnits().empty() && !pendingHasKey) continue;
    for (const auto& [unitName, unit] : inCategory->Units()) {
      const CUnit* const theUnit = &unit;
      ForEachSpelling(unit.name, unit.abbreviation, [&](std::wstring_view text, UnitNameRank rank) {
        if (text != key) return;
        named = true;
        if (!category || inCategory == category) entries.push_back({inCategory, theUnit, rank});
      });
    }
  }
  return named;
}

const CCategory* UnitIndex::FindCategory(std::wstring_view name) const {
  return FindCategoryByName(catalogue_, name);
}

std::vector<UnitIndex::Match> UnitIndex::Lookup(std::wstring_view text,
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

bool UnitIndex::Resolve(std::wstring_view from, std::wstring_view to, const CCategory* category,
                        UnitChoice& choice, std::string& error) const {
  const std::vector<Match> fromMatches = Lookup(from, category);
  if (fromMatches.empty()) {
    error = UnknownUnit(from, category);
    return false;
  }
  const std::vector<Match> toMatches = Lookup(to, category);
  if (toMatches.empty()) {
    error = UnknownUnit(to, category);
    return false;
  }

  std::vector<std::pair<const Match*, const Match*>> common;
  for (const Match& a : fromMatches)
    for (const Match& b : toMatches)
      if (a.category == b.category) common.emplace_back(&a, &b);

  auto categoriesOf = [](const std::vector<Match>& matches) {
    std::vector<std::wstring> names;
    for (const Match& match : matches) names.push_back(match.category->Name());
    return QuotedList(names);
  };
  if (common.empty()) {
    error = Quoted(from) + " (" + categoriesOf(fromMatches) + ") and " + Quoted(to) + " (" +
            categoriesOf(toMatches) + ") share no category";
    return false;
  }
  if (common.size() > 1) {
    std::vector<std::wstring> names;
    for (const auto& pair : common) names.push_back(pair.first->category->Name());
    error =
        "units found in more than one category, choose one with --category: " + QuotedList(names);
    return false;
  }

  auto single = [&](const Match& match, std::wstring_view text, const CUnit*& unit) {
    if (match.units.size() == 1) {
      unit = match.units.front();
      return true;
    }
    std::vector<std::wstring> names;
    for (const CUnit* candidate : match.units) names.push_back(candidate->name);
    error = Quoted(text) + " stands for several units of " + Quoted(match.category->Name()) + ": " +
            QuotedList(names);
    return false;
  };
  choice.category = common.front().first->category;
  return single(*common.front().first, from, choice.from) &&
         single(*common.front().second, to, choice.to);
}

std::vector<std::wstring> UnitIndex::CloseNames(std::wstring_view text,
                                                const CCategory* category) const {
  if (!closeNames_) closeNames_.emplace(catalogue_);
  return closeNames_->Find(TrimTrailingBlanks(text), category);
}

void UnitIndex::AddOtherSpellings(std::wstring_view text, const CCategory* category,
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

std::string UnitIndex::UnknownUnit(std::wstring_view text, const CCategory* category) const {
  std::string message = "unknown unit " + Quoted(text);
  if (category) message += " in " + Quoted(category->Name());
  const auto close = CloseNames(text, category);
  if (!close.empty()) message += "; close names: " + QuotedList(close);
  return message;
}

}  // namespace vantrel::cli
