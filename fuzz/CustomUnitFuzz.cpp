// Any text as a custom-unit entry of the settings file: loading it, converting
// through the unit it adds and writing it back must never crash, and a
// storable entry must read back as it was written.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/TextEncoding.h"
#include "units/BuiltinCatalogue.h"
#include "units/CustomStore.h"
#include "units/UnitCatalogue.h"

namespace {

using namespace vantrel;

// The entry the catalogue would write for the unit, read back: the same
// name, category, flag and coefficient, to the last bit.
void CheckWrittenEntryReadsBack(const CustomUnitEntry& parsed) {
  if (!std::isfinite(parsed.coefficient) || !IsStorableUnitName(parsed.unit) ||
      !IsStorableCategoryName(parsed.category))
    return;
  const std::string value =
      FormatCustomUnitValue(parsed.category, parsed.coefficient, parsed.inverted);
  CustomUnitEntry again;
  if (!ParseCustomUnitEntry(parsed.unit + "=" + value, again) || again.unit != parsed.unit ||
      again.category != parsed.category || again.inverted != parsed.inverted ||
      again.coefficient != parsed.coefficient)
    std::abort();
}

// Both ways between the new unit and the category's first unit, in every
// result format: any coefficient gives text.
void ConvertThrough(CUnitCatalogue& catalogue, CCategory& category, const std::string& unit) {
  catalogue.SelectCategory(category.Name());
  category.SelectInputUnit(unit);
  category.SelectOutputUnit(category.Units().begin()->first);
  for (int pass = 0; pass < 2; ++pass) {
    for (ResultMode mode : {ResultMode::kAutomatic, ResultMode::kScientific, ResultMode::kFixed}) {
      catalogue.Format().mode = mode;
      catalogue.Format().precision = 8;
      if (catalogue.Convert(1.0).empty() || catalogue.Convert(-1e300).empty()) std::abort();
    }
    category.SelectOutputUnit(unit);
    category.SelectInputUnit(category.Units().begin()->first);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static CUnitCatalogue* catalogue = [] {
    auto* built = new CUnitCatalogue;
    BuildBuiltinCatalogue(*built);
    return built;
  }();
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CustomUnitEntry parsed;
  if (!ParseCustomUnitEntry(text, parsed)) {
    if (catalogue->LoadCustomUnitEntry(text) != result::kMalformedEntry) std::abort();
    return 0;
  }
  CheckWrittenEntryReadsBack(parsed);
  if (catalogue->LoadCustomUnitEntry(text) != result::kDone) return 0;
  CCategory* category = catalogue->FindCategory(parsed.category);
  if (!category || !category->FindUnit(parsed.unit)) std::abort();
  ConvertThrough(*catalogue, *category, parsed.unit);
  // Take it out again so that the catalogue stays as built between runs.
  if (catalogue->RemoveUnit(parsed.unit) != result::kDone) std::abort();
  return 0;
}
