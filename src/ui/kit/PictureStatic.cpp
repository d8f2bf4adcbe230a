#include "ui/kit/PictureStatic.h"

#include <QMouseEvent>
#include <QPainter>
#include <utility>

namespace vantrel {

PictureStatic::PictureStatic(bool notify, QWidget* parent) : QWidget(parent), notify_(notify) {}

void PictureStatic::SetPainter(Painter painter) {
  painter_ = std::move(painter);
  update();
}

void PictureStatic::paintEvent(QPaintEvent*) {
  if (!painter_) return;
  QPainter painter(this);
  painter_(painter, rect());
}

void PictureStatic::mousePressEvent(QMouseEvent* event) {
  pressed_ = notify_ && event->button() == Qt::LeftButton;
  QWidget::mousePressEvent(event);
}

void PictureStatic::mouseReleaseEvent(QMouseEvent* event) {
  // A click is a press and a release over the control, as with a button.
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  QWidget::mouseReleaseEvent(event);
  if (click) emit Clicked();
}

}  // namespace vantrel
