// The preferences of the "Settings" section: read at start in a fixed order,
// written by the pages that change them, each group in its own order.
#pragma once

#include <string>

#include "platform/Profile.h"
#include "settings/SettingsKeys.h"

namespace vantrel {

struct Preferences {
  ResultMode format = keys::kFormat.defaultValue;
  int precision = keys::kPrecision.defaultValue;  // for scientific and fixed format
  int showAbbreviation = keys::kShowAbbreviation.defaultValue;
  int onTop = keys::kOnTop.defaultValue;
  int rememberLast = keys::kRememberLast.defaultValue;
  // The remembered selection; stays 0 unless "RememberLast" is on.
  int lastCategory = keys::kLastCategory.defaultValue;
  int lastUnitTo = keys::kLastUnitTo.defaultValue;
  int lastUnitFrom = keys::kLastUnitFrom.defaultValue;
};

struct DialogFont {
  int customFont = keys::kCustomFont.defaultValue;
  std::string name{keys::kFontName.defaultValue};
  int size = keys::kFontSize.defaultValue;
};

// "Format", "Precision", "ShowAbbreviation", "OnTop", "RememberLast", then the
// three "Last" keys only when "RememberLast" is on. Values a hand-edited file
// may hold out of range come back as their keys say (SettingsKeys.h).
Preferences ReadPreferences(const Profile& profile);

// "CustomFont", then, only when it is on, "FontName" and "FontSize" (an empty
// face or a size out of range keeps the present value); otherwise `current`
// keeps its face and size.
DialogFont ReadDialogFont(const Profile& profile, DialogFont current = {});

// Each writer below replaces the file once, or joins a batch already open on
// the profile (a sheet whose pages save together); true when its keys reached
// the file (inside an open batch: when they were taken into it).

// "LastCategory", "LastUnitTo", "LastUnitFrom".
bool WriteLastSelection(Profile& profile, int category, int unitTo, int unitFrom);

// "ShowAbbreviation", "OnTop", "RememberLast", "CustomFont", "FontName", "FontSize".
bool WriteGeneralSettings(Profile& profile, const Preferences& preferences, const DialogFont& font);

// "Format", then "Precision" only for scientific and fixed format.
bool WriteResultFormat(Profile& profile, ResultMode format, int precision);

}  // namespace vantrel
