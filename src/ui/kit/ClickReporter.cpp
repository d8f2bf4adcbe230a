#include "ui/kit/ClickReporter.h"

#include <QMouseEvent>
#include <QWidget>

namespace vantrel {

ClickReporter::ClickReporter(QWidget* control) : QObject(control), control_(control) {
  control->installEventFilter(this);
}

bool ClickReporter::eventFilter(QObject* watched, QEvent* event) {
  if (watched != control_) return false;
  if (event->type() == QEvent::MouseButtonPress) {
    pressed_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
  } else if (event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const bool click = pressed_ && mouse->button() == Qt::LeftButton &&
                       control_->rect().contains(mouse->position().toPoint());
    pressed_ = false;
    if (click) emit Clicked();
  }
  return false;
}

}  // namespace vantrel
