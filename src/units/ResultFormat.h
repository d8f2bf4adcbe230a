// How results are written: automatic ("%1.8g"), scientific ("%1.*e") or fixed
// ("%1.*f") with a precision. One value is owned by whoever converts (the
// catalogue of the window, the command-line tool) and changed in place.
#pragma once

#include <cstddef>
#include <string>

#include "platform/NumberText.h"
#include "settings/SettingsKeys.h"

namespace vantrel {

struct ResultFormat {
  // Room for the longest result text Write gives.
  static constexpr std::size_t kCapacity = DoubleTextCapacity(keys::kPrecision.range.highest);

  ResultMode mode = keys::kFormat.defaultValue;
  // Digits after the point in scientific and fixed mode.
  int precision = keys::kPrecision.defaultValue;

  // Any other mode gives empty text. A precision outside the key's range (a
  // hand-edited file) is clamped so that a fixed-mode result cannot grow
  // without bound.
  std::string Format(double value) const;

  // The same text, written into `buffer` (kCapacity characters, no
  // terminator); returns its length.
  std::size_t Write(double value, char* buffer) const;
};

}  // namespace vantrel
