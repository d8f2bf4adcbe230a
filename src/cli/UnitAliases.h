// Other spellings of unit names that people type on a command line, as data:
// the common spellings users of GNU units know ("feet", "mph", "degF") and
// the English plural endings ("miles", "inches").
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::cli {

struct UnitAlias {
  std::string_view spelling;
  std::string_view name;      // the unit name (or abbreviation) it stands for
  std::string_view category;  // empty: wherever that name occurs
};

std::span<const UnitAlias> UnitAliases();

struct Spelling {
  std::string text;
  std::string_view category;  // empty: any
};

// What else the text may stand for, in the order to try them: its alias, then
// each singular form and its alias. Tried only when the text names no unit.
std::vector<Spelling> OtherSpellings(std::string_view text);

}  // namespace vantrel::cli
