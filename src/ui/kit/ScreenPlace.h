// Keeping a window wholly on the screen that holds it.
#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

namespace vantrel {

// Where a window with this frame lies wholly on `screen`: its own place,
// moved in just enough. A window larger than the screen has its top-left
// corner on it.
QPoint MovedOnto(const QRect& frame, const QRect& screen);

// Moves the window (frame included, as far as it is known yet) onto the part
// of its screen that panels leave free: the screen under its top-left corner,
// else its own.
void KeepOnScreen(QWidget& window);

}  // namespace vantrel
