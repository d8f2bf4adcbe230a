#include "ui/CatalogueNames.h"

#include "units/UnitCatalogue.h"

namespace vantrel {

QStringList AllCategoryNames(CUnitCatalogue& catalogue) {
  QStringList names;
  catalogue.SetCategoryRestart(true);
  while (const CCategory* category = catalogue.NextCategory())
    names << QString::fromStdString(category->Name());
  return names;
}

QStringList CurrentUnitNames(CUnitCatalogue& catalogue) {
  QStringList names;
  catalogue.SetUnitRestart(true);
  for (std::string name = catalogue.NextUnitText(false); !name.empty();
       name = catalogue.NextUnitText(false))
    names << QString::fromStdString(name);
  return names;
}

}  // namespace vantrel
