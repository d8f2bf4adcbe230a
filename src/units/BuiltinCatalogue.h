// Fills a catalogue with the built-in categories and units, in build order.
#pragma once

namespace vantrel {

class CUnitCatalogue;

// Each category is added (built in, with its default visibility, never
// written) with its rows of the built-in table, which become its units when
// they are first needed, and made current. The last category, "Volume
// (Dry)", stays current.
void BuildBuiltinCatalogue(CUnitCatalogue& catalogue);

}  // namespace vantrel
