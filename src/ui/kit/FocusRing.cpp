#include "ui/kit/FocusRing.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

namespace vantrel {
namespace {

// The host whose ring marks `widget`: the nearest widget above it, within its
// window, that has one. A drop-down's open list is a window of its own.
QWidget* RingHostOf(QWidget* widget) {
  for (QWidget* above = widget->isWindow() ? nullptr : widget->parentWidget(); above;
       above = above->isWindow() ? nullptr : above->parentWidget()) {
    if (above->findChild<FocusRing*>(QString(), Qt::FindDirectChildrenOnly)) return above;
  }
  return nullptr;
}

}  // namespace

FocusRing::FocusRing(QWidget* host) : QWidget(host) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  hide();
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { Follow(now); });
}

void FocusRing::Follow(QWidget* focus) {
  if (target_) target_->removeEventFilter(this);
  target_ = focus && focus != this && RingHostOf(focus) == parentWidget() ? focus : nullptr;
  if (!target_) {
    hide();
    return;
  }
  target_->installEventFilter(this);
  Place();
}

void FocusRing::Place() {
  if (!target_ || !target_->isVisible()) {
    hide();
    return;
  }
  // Just outside the control, hiding nothing of it.
  const QRect inHost(target_->mapTo(parentWidget(), QPoint(0, 0)), target_->size());
  setGeometry(inHost.adjusted(-kWidth, -kWidth, kWidth, kWidth));
  show();
  raise();
  update();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
  if (watched == target_) {
    switch (event->type()) {
      case QEvent::Move:
      case QEvent::Resize:
      case QEvent::Show:
      case QEvent::Hide:
        Place();
        break;
      default:
        break;
    }
  }
  return false;
}

void FocusRing::paintEvent(QPaintEvent*) {
  // In the text colour, as the platform's high-visibility focus frames are:
  // unlike any frame, selection or default-button mark a style draws.
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::Active, QPalette::WindowText));
  for (int i = 0; i < kWidth; ++i) painter.drawRect(rect().adjusted(i, i, -1 - i, -1 - i));
}

}  // namespace vantrel
