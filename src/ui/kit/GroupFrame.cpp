#include "ui/kit/GroupFrame.h"

#include <QAccessible>
#include <QPainter>

namespace vantrel {

GroupFrame::GroupFrame(const QString& title, QWidget* parent) : QWidget(parent), title_(title) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

void GroupFrame::SetTitle(const QString& title) {
  title_ = title;
  update();
  if (QAccessible::isActive()) {
    QAccessibleEvent renamed(this, QAccessible::NameChanged);  // a frame is named by its title
    QAccessible::updateAccessibility(&renamed);
  }
}

void GroupFrame::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QFontMetrics metrics = fontMetrics();
  const int top = metrics.height() / 2;
  // Etched: a dark line with a light one just inside it.
  const QRect outer(0, top, width() - 2, height() - top - 2);
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(outer);
  painter.setPen(palette().color(QPalette::Light));
  painter.drawRect(outer.translated(1, 1));
  if (title_.isEmpty()) return;
  const int left = metrics.averageCharWidth();
  const QRect text(left, 0, metrics.horizontalAdvance(title_) + 2, metrics.height());
  painter.fillRect(text, palette().color(QPalette::Window));
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, title_);
}

}  // namespace vantrel
