#include "ui/kit/IconStatic.h"

#include <QPainter>

#include "ui/kit/Resources.h"

namespace vantrel {

IconStatic::IconStatic(int iconId, QWidget* parent)
    : QWidget(parent), icon_(LoadIconResource(iconId)) {}

void IconStatic::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  icon_.paint(&painter, QRect(0, 0, kSide, kSide));
}

}  // namespace vantrel
