#include "units/BuiltinCatalogue.h"

#include "units/BuiltinUnitTable.h"
#include "units/UnitCatalogue.h"

namespace vantrel {

void BuildBuiltinCatalogue(CUnitCatalogue& catalogue) {
  const auto units = BuiltinUnits();
  std::size_t next = 0;
  for (const BuiltinCategory& category : BuiltinCategories()) {
    // The table groups each category's rows in the categories' order.
    const std::size_t first = next;
    while (next < units.size() && units[next].category == category.name) ++next;
    catalogue.AddCategory(category.name, 0, 0, category.visible,
                          units.subspan(first, next - first));
    catalogue.SelectCategory(category.name);
  }
}

}  // namespace vantrel
