// The names the tool dialogs list, read through the catalogue's enumerations.
#pragma once

#include <QStringList>

namespace vantrel {

class CUnitCatalogue;

// Every category, visible and hidden alike, in the catalogue's order.
QStringList AllCategoryNames(CUnitCatalogue& catalogue);

// The plain names of the current category's units (none without one).
QStringList CurrentUnitNames(CUnitCatalogue& catalogue);

}  // namespace vantrel
