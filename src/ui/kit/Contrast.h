// Colours that stay readable on any palette: the contrast ratio of two
// colours as the web's accessibility guidelines define it (1 to 21), and
// colours chosen or adjusted to reach the ratio they ask of normal text.
#pragma once

#include <QColor>

namespace vantrel {

inline constexpr double kReadableContrast = 4.5;

double RelativeLuminance(const QColor& colour);
double ContrastRatio(const QColor& a, const QColor& b);

// `wanted` where it reads on `background`; otherwise black or white,
// whichever reads better.
QColor ReadableTextOn(const QColor& background, const QColor& wanted);

// `colour` itself where it reads on `background`; otherwise the least
// lightened (on a dark background) or darkened (on a light one) shade of it
// that does, so that a blue link stays a blue link.
QColor KeepReadable(const QColor& colour, const QColor& background);

}  // namespace vantrel
