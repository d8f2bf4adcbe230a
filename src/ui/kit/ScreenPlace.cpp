#include "ui/kit/ScreenPlace.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace vantrel {

QPoint MovedOnto(const QRect& frame, const QRect& screen) {
  const auto along = [](int start, int length, int first, int room) {
    return std::max(first, std::min(start, first + room - length));
  };
  return {along(frame.x(), frame.width(), screen.x(), screen.width()),
          along(frame.y(), frame.height(), screen.y(), screen.height())};
}

void KeepOnScreen(QWidget& window) {
  const QRect frame = window.frameGeometry();
  const QScreen* screen = QGuiApplication::screenAt(frame.topLeft());
  if (!screen) screen = window.screen();
  if (!screen) return;
  const QPoint place = MovedOnto(frame, screen->availableGeometry());
  if (place != frame.topLeft()) window.move(place);
}

}  // namespace vantrel
