// Fills a catalogue with the built-in categories and units, in build order.
#pragma once

namespace vantrel {

class CUnitCatalogue;

// Each category is added (built in, with its default visibility, never
// written) and made current, then its units are added to it. The last
// category, "Volume (Dry)", stays current.
void BuildBuiltinCatalogue(CUnitCatalogue& catalogue);

}  // namespace vantrel
