// The built-in content of the catalogue as data: the categories in build order
// with their default visibility, and one row per unit in build order.
#pragma once

#include <span>
#include <string_view>

namespace vantrel {

struct BuiltinCategory {
  std::wstring_view name;
  int visible;  // 1 shown in the main window by default, 0 hidden
};

struct BuiltinUnit {
  std::wstring_view category;  // the name of its category
  std::wstring_view name;
  std::wstring_view abbreviation;  // L" " for a unit without one
  double coefficient;              // size of one unit in the category's base unit
  double offset;                   // in base units; non-zero for temperature scales only
  int inverted;                    // 1 when the base value is coefficient / value
};

// The 45 categories, in build order.
std::span<const BuiltinCategory> BuiltinCategories();

// The 1005 units, grouped by category in the categories' order, each group in
// its build order.
std::span<const BuiltinUnit> BuiltinUnits();

}  // namespace vantrel
