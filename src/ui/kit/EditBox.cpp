#include "ui/kit/EditBox.h"

#include <QKeyEvent>
#include <QPalette>
#include <algorithm>

namespace vantrel {

EditBox::EditBox(QWidget* parent) : QLineEdit(parent) {
  connect(this, &QLineEdit::textChanged, this, [this](const QString& now) {
    if (now == last_) return;
    last_ = now;
    emit Changed();
  });
}

void EditBox::SetReadOnly(bool readOnly) {
  setReadOnly(readOnly);
  QPalette colours = palette();
  colours.setColor(QPalette::Base, QPalette().color(readOnly ? QPalette::Window : QPalette::Base));
  setPalette(colours);
}

void EditBox::SetText(const QString& text) {
  if (text == this->text()) return;
  setText(text);
  // A read-only box shows the start of each new text, not the end where
  // setText leaves the caret: a long binary result keeps its first digits.
  if (isReadOnly()) setCursorPosition(0);
}

void EditBox::SetSel(int start, int end) {
  const int length = static_cast<int>(text().size());
  const int from = std::clamp(start, 0, length);
  const int to = end < 0 ? length : std::clamp(end, from, length);
  setSelection(from, to - from);
}

void EditBox::AdmitTypedCharacters(const QString& admitted) {
  admitted_ = admitted;
  filtered_ = true;
}

void EditBox::keyPressEvent(QKeyEvent* event) {
  const QString typed = event->text();
  // With Control held the edit types nothing: these are its shortcuts.
  const bool shortcut = event->modifiers() & Qt::ControlModifier;
  if (filtered_ && !shortcut && !typed.isEmpty() && typed.front().isPrint()) {
    for (const QChar c : typed) {
      if (!admitted_.contains(c)) {
        event->accept();
        return;
      }
    }
  }
  QLineEdit::keyPressEvent(event);
}

}  // namespace vantrel
