#include "settings/Preferences.h"

#include <algorithm>

#include "settings/SettingsKeys.h"

namespace vantrel {
namespace {

int Read(const Profile& profile, const keys::IntKey& key) {
  return profile.GetInt(key.section, key.name, key.defaultValue);
}

void Write(Profile& profile, const keys::IntKey& key, int value) {
  profile.WriteInt(key.section, key.name, value);  // a failure shows when the batch is written
}

}  // namespace

Preferences ReadPreferences(const Profile& profile) {
  Preferences p;
  p.format = Read(profile, keys::kFormat);
  if (p.format < 0 || p.format > 2) p.format = keys::kFormat.defaultValue;
  p.precision = std::clamp(Read(profile, keys::kPrecision), kMinPrecision, kMaxPrecision);
  p.showAbbreviation = Read(profile, keys::kShowAbbreviation);
  p.onTop = Read(profile, keys::kOnTop);
  p.rememberLast = Read(profile, keys::kRememberLast);
  if (p.rememberLast != 0) {
    p.lastCategory = Read(profile, keys::kLastCategory);
    p.lastUnitTo = Read(profile, keys::kLastUnitTo);
    p.lastUnitFrom = Read(profile, keys::kLastUnitFrom);
  }
  return p;
}

DialogFont ReadDialogFont(const Profile& profile, DialogFont current) {
  current.customFont = Read(profile, keys::kCustomFont);
  if (current.customFont != 0) {
    std::wstring name = profile.GetString(keys::kFontName.section, keys::kFontName.name,
                                          keys::kFontName.defaultValue);
    if (!name.empty()) current.name = std::move(name);
    const int size = Read(profile, keys::kFontSize);
    if (size >= kMinFontSize && size <= kMaxFontSize) current.size = size;
  }
  return current;
}

bool WriteLastSelection(Profile& profile, int category, int unitTo, int unitFrom) {
  Profile::Batch batch(profile);
  Write(profile, keys::kLastCategory, category);
  Write(profile, keys::kLastUnitTo, unitTo);
  Write(profile, keys::kLastUnitFrom, unitFrom);
  return batch.Commit();
}

bool WriteGeneralSettings(Profile& profile, const Preferences& preferences,
                          const DialogFont& font) {
  Profile::Batch batch(profile);
  Write(profile, keys::kShowAbbreviation, preferences.showAbbreviation);
  Write(profile, keys::kOnTop, preferences.onTop);
  Write(profile, keys::kRememberLast, preferences.rememberLast);
  Write(profile, keys::kCustomFont, font.customFont);
  const bool named = profile.WriteString(keys::kFontName.section, keys::kFontName.name, font.name);
  Write(profile, keys::kFontSize, font.size);
  return batch.Commit() && named;
}

bool WriteResultFormat(Profile& profile, int format, int precision) {
  Profile::Batch batch(profile);
  Write(profile, keys::kFormat, format);
  if (format == 1 || format == 2) Write(profile, keys::kPrecision, precision);
  return batch.Commit();
}

}  // namespace vantrel
