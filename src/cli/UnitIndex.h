// Finds units by what a user types on the command line: a unit name or an
// abbreviation, and failing that the same without trailing blanks (several
// built-in names end in one), and failing that an alias or a plural of one
// (UnitAliases.h). The first few look-ups go through the catalogue (a single
// conversion needs two); after them a hash table of every key is built, so
// that the many pairs of a batch cost a hash lookup each. The close names of
// an unknown unit are indexed when first asked for.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "cli/CloseNameSearch.h"
#include "platform/Result.h"
#include "units/NameLookup.h"
#include "units/UnitCatalogue.h"

namespace vantrel::cli {

struct UnitChoice {
  const CCategory* category = nullptr;
  const CUnit* from = nullptr;
  const CUnit* to = nullptr;
};

// How ResolveUnits ended.
enum class UnitResolution {
  kResolved,
  kUnknownUnit,        // a text names no unit (of the category, when given)
  kNoCommonCategory,   // no category holds a unit of every text
  kSeveralCategories,  // several do: UnitsChoice::categories lists them
  kSeveralUnits,       // a text is an abbreviation of several units of the category
};

struct UnitsChoice {
  const CCategory* category = nullptr;
  std::vector<const CUnit*> units;           // the unit of each text, in their order
  std::vector<const CCategory*> categories;  // kSeveralCategories: the candidates, by name
};

class UnitIndex {
 public:
  explicit UnitIndex(const CUnitCatalogue& catalogue);

  // The category of that exact name (or, failing that, the only one equal
  // but for letter case and trailing blanks); null when none.
  const CCategory* FindCategory(std::string_view name) const;

  // Picks the one category holding both units (only `category` when given).
  // A failure says why in one line: an unknown unit (with up to five close
  // names), no common category, several (listed), or an abbreviation shared
  // by several units of the category.
  Result<UnitChoice, UnitResolution> Resolve(std::string_view from, std::string_view to,
                                             const CCategory* category) const;

  // The same for any number of texts: the one category holding a unit of
  // each, and that unit. kSeveralCategories comes with the candidates; its
  // message ends with how to choose one (`howToChoose`, "choose one with
  // --category") and the list.
  Result<UnitsChoice, UnitResolution> ResolveUnits(std::span<const std::string_view> texts,
                                                   const CCategory* category,
                                                   std::string_view howToChoose) const;

  // Whether the text names a unit in any category, as Resolve finds them.
  bool NamesUnit(std::string_view text) const;

  // The most blank-separated words a unit's name or abbreviation has.
  std::size_t MostWordsInAName() const;

  // "unknown unit 'TEXT'" (" in 'CATEGORY'") and up to five close names.
  std::string UnknownUnit(std::string_view text, const CCategory* category) const;

  // Up to five unit names close to the text, best first (see CloseNameSearch).
  std::vector<std::string> CloseNames(std::string_view text, const CCategory* category) const;

 private:
  struct Entry {
    const CCategory* category;
    const CUnit* unit;
    UnitNameRank rank;
  };
  struct Match {
    const CCategory* category;
    std::vector<const CUnit*> units;  // the best-ranked units of the category
  };

  // Look-ups through the catalogue before the table is built.
  static constexpr int kLookupsBeforeTable = 16;

  std::vector<Match> Lookup(std::string_view text, const CCategory* category) const;
  // Appends the entries of the units `key` names (only those of `category`
  // when given); false when it names no unit in any category.
  bool Find(std::string_view key, const CCategory* category, std::vector<Entry>& entries) const;
  void BuildTable() const;
  void AddOtherSpellings(std::string_view text, const CCategory* category,
                         std::vector<Entry>& entries) const;

  const CUnitCatalogue& catalogue_;
  // Built on demand, also through const access.
  mutable std::optional<CloseNameSearch> closeNames_;
  mutable std::unordered_map<std::string, std::vector<Entry>> entries_;
  mutable bool tableBuilt_ = false;
  mutable int lookups_ = 0;
  mutable std::size_t mostWords_ = 0;  // 0 until counted
};

}  // namespace vantrel::cli
