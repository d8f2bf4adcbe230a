#include "units/BuiltinCatalogue.h"

#include "units/BuiltinUnitTable.h"
#include "units/UnitCatalogue.h"

namespace vantrel {

void BuildBuiltinCatalogue(CUnitCatalogue& catalogue) {
  const auto units = BuiltinUnits();
  std::size_t next = 0;
  for (const BuiltinCategory& category : BuiltinCategories()) {
    catalogue.AddCategory(category.name, 0, 0, category.visible);
    catalogue.SelectCategory(category.name);
    // The table groups each category's rows in the categories' order.
    for (; next < units.size() && units[next].category == category.name; ++next) {
      const BuiltinUnit& unit = units[next];
      catalogue.AddUnit(unit.name, unit.abbreviation, unit.coefficient, unit.offset, unit.inverted,
                        0, 0);
    }
  }
}

}  // namespace vantrel
