#include "ui/kit/ClickReporter.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace vantrel {

ClickReporter::ClickReporter(QWidget* control) : QObject(control), control_(control) {
  control->installEventFilter(this);
}

ClickReporter* ClickReporterOf(const QWidget* control) {
  return control ? control->findChild<ClickReporter*>(QString(), Qt::FindDirectChildrenOnly)
                 : nullptr;
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
  } else if (event->type() == QEvent::KeyPress) {
    // A link reached with Tab opens as a button would.
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool plain = !(key->modifiers() & ~Qt::KeypadModifier);
    const bool opens =
        key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space;
    if (!plain || !opens || !control_->hasFocus()) return false;
    if (!key->isAutoRepeat()) emit Clicked();
    return true;
  }
  return false;
}

}  // namespace vantrel
