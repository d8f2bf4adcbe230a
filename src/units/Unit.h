// One unit of a category: its names and how it relates to the category's base
// unit. Owned by its category.
#pragma once

#include <string>

namespace vantrel {

struct CUnit {
  std::string name;          // key within its category, compared exactly
  std::string abbreviation;  // " " for a unit without one
  double coefficient = 0.0;  // base units per unit (or per 1/unit when inverted)
  double offset = 0.0;       // added after scaling, in base units
  int custom = 0;            // 1 for a unit the user added
  int inverted = 0;          // 1 when the base value is coefficient / value
};

// The unit as lists name it: "name [abbreviation]" when asked for and the
// unit has one, else the name alone.
inline std::string UnitText(const CUnit& unit, bool withAbbreviation) {
  if (withAbbreviation && unit.abbreviation != " ")
    return unit.name + " [" + unit.abbreviation + "]";
  return unit.name;
}

}  // namespace vantrel
