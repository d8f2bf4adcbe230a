#include "ui/kit/StaticText.h"

#include <QAccessible>
#include <QEvent>

#include "ui/kit/ClickReporter.h"

namespace vantrel {

StaticText::StaticText(const QString& text, bool notify, QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setWordWrap(true);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  SetText(text);
  if (notify) connect(new ClickReporter(this), &ClickReporter::Clicked, this, &StaticText::Clicked);
}

void StaticText::SetText(const QString& text) {
  if (text == raw_) return;
  raw_ = text;
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  setText(shown);
  if (QAccessible::isActive() && accessibleName().isEmpty()) {
    // Its name is what it shows.
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
  }
  Fit();
  emit TextChanged();
}

void StaticText::SetPlace(const QRect& place) {
  place_ = place;
  Fit();
}

void StaticText::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::FontChange) Fit();
}

void StaticText::Fit() {
  if (place_.isNull()) return;
  const QWidget* dialog = parentWidget();
  const bool ownTallerFont = dialog && testAttribute(Qt::WA_SetFont) &&
                             fontMetrics().height() > dialog->fontMetrics().height();
  const int needed = ownTallerFont ? heightForWidth(place_.width()) : 0;
  if (needed <= place_.height()) {
    setGeometry(place_);
    return;
  }
  setGeometry(place_.x(), place_.y() - (needed - place_.height()) / 2, place_.width(), needed);
}

}  // namespace vantrel
