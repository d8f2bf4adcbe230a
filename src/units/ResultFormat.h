// How results are written: automatic ("%1.8g"), scientific ("%1.*e") or fixed
// ("%1.*f") with a precision. One value is owned by whoever converts (the
// catalogue of the window, the command-line tool) and changed in place.
#pragma once

#include <string>

namespace vantrel {

struct ResultFormat {
  static constexpr int kAutomatic = 0;
  static constexpr int kScientific = 1;
  static constexpr int kFixed = 2;

  int mode = kAutomatic;
  int precision = 5;  // digits after the point in scientific and fixed mode

  // Any other mode gives empty text. A precision outside 0 to 8 (a hand-edited
  // file) is clamped so that a fixed-mode result cannot grow without bound.
  std::wstring Format(double value) const;
};

}  // namespace vantrel
