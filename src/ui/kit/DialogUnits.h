// Dialog units: positions in a template scale with the dialog's font. The
// horizontal base is the font's average character width, the vertical base
// its character height in whole pixels (rounded up); x pixels = dlu x base /
// 4, y pixels = dlu x base / 8.
#pragma once

#include <QFont>
#include <QRect>

#include "ui/kit/DialogTemplate.h"
#include "ui/kit/PreferredFont.h"

namespace vantrel {

struct DialogBaseUnits {
  int x = 0;  // average character width in pixels
  int y = 0;  // character height in pixels
};

// number x numerator / denominator, rounded half away from zero.
int MulDiv(int number, int numerator, int denominator);

// The average width is that of the 52 Latin letters, rounded as the platform
// rounds it: (width / 26 + 1) / 2.
DialogBaseUnits BaseUnitsOf(const QFont& font);

QRect DialogUnitsToPixels(const QRect& dialogUnits, DialogBaseUnits base);

// What a re-fonted dialog scales its layout by: the font's average character
// width as the font states it, and its line height (character height plus
// external leading). Neither is ever 0.
struct LayoutMetrics {
  int averageWidth = 1;
  int lineHeight = 1;
};
LayoutMetrics LayoutMetricsOf(const QFont& font);

// The template's font: its face at its point size (8 when it gives none).
QFont DialogFontOf(const DialogTemplate& dialogTemplate);
// The preferred face at its point size (8 when it gives none).
QFont DialogFontOf(const PreferredFont& font);

}  // namespace vantrel
