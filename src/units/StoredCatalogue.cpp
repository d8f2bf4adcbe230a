#include "units/StoredCatalogue.h"

#include "units/BuiltinCatalogue.h"
#include "units/CustomStore.h"
#include "units/UnitCatalogue.h"

namespace vantrel {

Preferences OpenCatalogue(CUnitCatalogue& catalogue, const Profile& stored) {
  catalogue.ClearAll();
  BuildBuiltinCatalogue(catalogue);
  const Preferences preferences = ReadPreferences(stored);
  catalogue.Format() = {preferences.format, preferences.precision};
  LoadCustomDefinitions(catalogue, stored);
  ApplyStoredVisibility(catalogue, stored);
  return preferences;
}

bool StoreResultFormat(Profile& profile, Preferences& preferences, ResultFormat& format,
                       ResultMode mode, std::optional<int> precision) {
  preferences.format = mode;
  format.mode = mode;
  if (precision && mode != ResultMode::kAutomatic) {
    preferences.precision = *precision;
    format.precision = *precision;
  }
  return WriteResultFormat(profile, preferences.format, preferences.precision);
}

}  // namespace vantrel
