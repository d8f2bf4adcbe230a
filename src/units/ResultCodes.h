// Result codes of the catalogue's changing operations; the dialogs test them by
// value and turn them into messages.
#pragma once

namespace vantrel::result {

inline constexpr int kAlreadyExists = 1;
inline constexpr int kNotFound = 2;
inline constexpr int kNotCustom = 3;
inline constexpr int kDone = 4;
inline constexpr int kMalformedEntry = 5;
// The name could not be read back from the settings file (a unit name with
// "=", a category name with "=" or "?val=", a tab, a line break, or a name the file
// refuses), so nothing was added.
inline constexpr int kNotStorable = 6;
// The settings file keys custom units (and categories) without regard to
// letter case: another one of that name exists, and storing this one would
// replace or later delete its entry, so nothing was added.
inline constexpr int kNameClash = 7;
// The settings file could not be written, so nothing was changed.
inline constexpr int kNotSaved = 8;
// A custom-unit entry whose coefficient defines no unit (see
// IsUsableCoefficient): it is not loaded, nor stored.
inline constexpr int kUnusableCoefficient = 9;

}  // namespace vantrel::result
