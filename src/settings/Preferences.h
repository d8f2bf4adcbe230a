// The preferences of the "Settings" section: read at start in a fixed order,
// written by the pages that change them, each group in its own order.
#pragma once

#include <string>

#include "platform/Profile.h"

namespace vantrel {

struct Preferences {
  int format = 0;     // 0 automatic, 1 scientific, 2 fixed
  int precision = 5;  // 0 to 8
  int showAbbreviation = 1;
  int onTop = 1;
  int rememberLast = 1;
  // The remembered selection; stays 0 unless "RememberLast" is on.
  int lastCategory = 0;
  int lastUnitTo = 0;
  int lastUnitFrom = 0;
};

struct DialogFont {
  int customFont = 0;
  std::wstring name = L"Verdana";
  int size = 8;
};

inline constexpr int kMinPrecision = 0;
inline constexpr int kMaxPrecision = 8;
inline constexpr int kMinFontSize = 4;
inline constexpr int kMaxFontSize = 72;

// "Format", "Precision", "ShowAbbreviation", "OnTop", "RememberLast", then the
// three "Last" keys only when "RememberLast" is on. Values a hand-edited file
// may hold out of range come back safe: a precision is clamped into 0 to 8 and
// an unknown format reads as automatic.
Preferences ReadPreferences(const Profile& profile);

// "CustomFont", then, only when it is on, "FontName" and "FontSize" (a size
// outside 4 to 72 points or an empty face keeps the present value); otherwise
// `current` keeps its face and size.
DialogFont ReadDialogFont(const Profile& profile, DialogFont current = {});

// Each writer below replaces the file once, or joins a batch already open on
// the profile (a sheet whose pages save together); true when its keys reached
// the file (inside an open batch: when they were taken into it).

// "LastCategory", "LastUnitTo", "LastUnitFrom".
bool WriteLastSelection(Profile& profile, int category, int unitTo, int unitFrom);

// "ShowAbbreviation", "OnTop", "RememberLast", "CustomFont", "FontName", "FontSize".
bool WriteGeneralSettings(Profile& profile, const Preferences& preferences, const DialogFont& font);

// "Format", then "Precision" only for scientific and fixed format.
bool WriteResultFormat(Profile& profile, int format, int precision);

}  // namespace vantrel
