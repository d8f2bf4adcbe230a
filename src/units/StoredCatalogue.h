// The catalogue as the settings file keeps it: opened the same way by every
// program that converts, and its result format stored back when the user
// chooses another.
#pragma once

#include <optional>

#include "platform/Profile.h"
#include "settings/Preferences.h"

namespace vantrel {

class CUnitCatalogue;
struct ResultFormat;

// Empties the catalogue and builds the built-in categories and units; then,
// from `stored` (a snapshot: the file is read once), the result format, the
// custom categories and units and each category's visibility, which goes
// back to the catalogue's own settings file when it has one. Returns the
// preferences read, the format's among them.
Preferences OpenCatalogue(CUnitCatalogue& catalogue, const Profile& stored);

// Makes `mode` the result format of the preferences and of the catalogue and
// writes it: "Format", then "Precision" for scientific and fixed format. A
// precision is taken only with those formats; none (nothing chosen) keeps the
// present one. True when the keys reached the file.
bool StoreResultFormat(Profile& profile, Preferences& preferences, ResultFormat& format,
                       ResultMode mode, std::optional<int> precision);

}  // namespace vantrel
