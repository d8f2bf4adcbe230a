#include "settings/Preferences.h"

namespace vantrel {

// A write that fails because of the file shows when its batch is written.

Preferences ReadPreferences(const Profile& profile) {
  Preferences p;
  p.format = ReadKey(profile, keys::kFormat);
  p.precision = ReadKey(profile, keys::kPrecision);
  p.showAbbreviation = ReadKey(profile, keys::kShowAbbreviation);
  p.onTop = ReadKey(profile, keys::kOnTop);
  p.rememberLast = ReadKey(profile, keys::kRememberLast);
  if (p.rememberLast != 0) {
    p.lastCategory = ReadKey(profile, keys::kLastCategory);
    p.lastUnitTo = ReadKey(profile, keys::kLastUnitTo);
    p.lastUnitFrom = ReadKey(profile, keys::kLastUnitFrom);
  }
  return p;
}

DialogFont ReadDialogFont(const Profile& profile, DialogFont current) {
  current.customFont = ReadKey(profile, keys::kCustomFont);
  if (current.customFont != 0) {
    current.name = ReadKey(profile, keys::kFontName, current.name);
    current.size = ReadKey(profile, keys::kFontSize, current.size);
  }
  return current;
}

bool WriteLastSelection(Profile& profile, int category, int unitTo, int unitFrom) {
  Profile::Batch batch(profile);
  WriteKey(profile, keys::kLastCategory, category);
  WriteKey(profile, keys::kLastUnitTo, unitTo);
  WriteKey(profile, keys::kLastUnitFrom, unitFrom);
  return batch.Commit();
}

bool WriteGeneralSettings(Profile& profile, const Preferences& preferences,
                          const DialogFont& font) {
  Profile::Batch batch(profile);
  WriteKey(profile, keys::kShowAbbreviation, preferences.showAbbreviation);
  WriteKey(profile, keys::kOnTop, preferences.onTop);
  WriteKey(profile, keys::kRememberLast, preferences.rememberLast);
  WriteKey(profile, keys::kCustomFont, font.customFont);
  // A face that cannot be written fails at once, not with the batch.
  const bool named = WriteKey(profile, keys::kFontName, font.name);
  WriteKey(profile, keys::kFontSize, font.size);
  return batch.Commit() && named;
}

bool WriteResultFormat(Profile& profile, ResultMode format, int precision) {
  Profile::Batch batch(profile);
  WriteKey(profile, keys::kFormat, format);
  if (format == ResultMode::kScientific || format == ResultMode::kFixed)
    WriteKey(profile, keys::kPrecision, precision);
  return batch.Commit();
}

}  // namespace vantrel
