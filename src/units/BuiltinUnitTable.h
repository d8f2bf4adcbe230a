// The built-in content of the catalogue as data: the categories in build order
// with their default visibility, and one row per unit in build order with
// where its coefficient comes from.
#pragma once

#include <span>
#include <string_view>

namespace vantrel {

struct BuiltinCategory {
  std::string_view name;
  int visible;  // 1 shown in the main window by default, 0 hidden
};

// How a coefficient is known.
enum class Provenance {
  kExact,    // exact by a legal or conventional definition
  kDerived,  // derived from the SI defining constants or CODATA values
  kChosen,   // a value chosen where no single usual definition exists
  kNone,     // no coefficient: the number bases
};

struct BuiltinUnit {
  std::string_view category;  // the name of its category
  std::string_view name;
  std::string_view abbreviation;  // " " for a unit without one
  double coefficient;             // size of one unit in the category's base unit
  double offset;                  // in base units; non-zero for temperature scales only
  int inverted;                   // 1 when the base value is coefficient / value
  Provenance provenance;
  std::string_view source;  // the definition or document the coefficient follows
};

// The 45 categories, in build order.
std::span<const BuiltinCategory> BuiltinCategories();

// The 1005 units, grouped by category in the categories' order, each group in
// its build order.
std::span<const BuiltinUnit> BuiltinUnits();

// The row of that exact category and unit name; null when none.
const BuiltinUnit* FindBuiltinUnit(std::string_view category, std::string_view name);

// "exact", "derived", "chosen" or "none".
std::string_view ProvenanceName(Provenance provenance);

}  // namespace vantrel
