#include "ui/kit/DialogUnits.h"

#include <QFontMetrics>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vantrel {
namespace {

QFont FontOf(const std::string& face, int points) {
  QFont font(QString::fromStdString(face));
  font.setPointSize(points > 0 ? points : 8);
  return font;
}

}  // namespace

int MulDiv(int number, int numerator, int denominator) {
  if (denominator == 0) return -1;
  const long long product = static_cast<long long>(number) * numerator;
  const long long half = std::llabs(static_cast<long long>(denominator)) / 2;
  const bool negative = (product < 0) != (denominator < 0);
  const long long magnitude =
      (std::llabs(product) + half) / std::llabs(static_cast<long long>(denominator));
  return static_cast<int>(negative ? -magnitude : magnitude);
}

DialogBaseUnits BaseUnitsOf(const QFont& font) {
  const QFontMetrics metrics(font);
  const int letters = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  // The character height whole: a line of text, its descenders too, always
  // fits in 8 dialog units (rounding the ascent and the descent apart may
  // lose the fraction of a pixel that the text needs).
  const int height =
      std::max(metrics.height(), static_cast<int>(std::ceil(QFontMetricsF(font).height())));
  return {(letters / 26 + 1) / 2, height};
}

QRect DialogUnitsToPixels(const QRect& dialogUnits, DialogBaseUnits base) {
  return QRect(MulDiv(dialogUnits.x(), base.x, 4), MulDiv(dialogUnits.y(), base.y, 8),
               MulDiv(dialogUnits.width(), base.x, 4), MulDiv(dialogUnits.height(), base.y, 8));
}

LayoutMetrics LayoutMetricsOf(const QFont& font) {
  const QFontMetrics metrics(font);
  return {std::max(1, metrics.averageCharWidth()), std::max(1, metrics.lineSpacing())};
}

QFont DialogFontOf(const DialogTemplate& dialogTemplate) {
  return FontOf(dialogTemplate.fontFace, dialogTemplate.fontPoints);
}

QFont DialogFontOf(const PreferredFont& font) { return FontOf(font.face, font.points); }

}  // namespace vantrel
