#include "ui/kit/Contrast.h"

#include <algorithm>
#include <cmath>

namespace vantrel {
namespace {

double Linear(double channel) {
  return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

QColor Mix(const QColor& from, const QColor& to, double share) {
  const auto channel = [&](int a, int b) {
    return static_cast<int>(std::lround(a + (b - a) * share));
  };
  return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                channel(from.blue(), to.blue()));
}

// Black or white, whichever reads better on the background.
QColor StrongestOn(const QColor& background) {
  const QColor black(Qt::black);
  const QColor white(Qt::white);
  return ContrastRatio(black, background) >= ContrastRatio(white, background) ? black : white;
}

}  // namespace

double RelativeLuminance(const QColor& colour) {
  const QColor rgb = colour.toRgb();
  return 0.2126 * Linear(rgb.redF()) + 0.7152 * Linear(rgb.greenF()) + 0.0722 * Linear(rgb.blueF());
}

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = RelativeLuminance(a);
  const double lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableTextOn(const QColor& background, const QColor& wanted) {
  return ContrastRatio(wanted, background) >= kReadableContrast ? wanted : StrongestOn(background);
}

QColor KeepReadable(const QColor& colour, const QColor& background) {
  if (ContrastRatio(colour, background) >= kReadableContrast) return colour;
  const QColor toward = StrongestOn(background);
  // The first of 64 steps toward black or white that reads; the last reads.
  constexpr int kSteps = 64;
  for (int step = 1; step < kSteps; ++step) {
    const QColor shade = Mix(colour, toward, static_cast<double>(step) / kSteps);
    if (ContrastRatio(shade, background) >= kReadableContrast) return shade;
  }
  return toward;
}

}  // namespace vantrel
