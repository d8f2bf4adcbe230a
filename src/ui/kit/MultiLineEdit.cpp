#include "ui/kit/MultiLineEdit.h"

#include <QPalette>
#include <QTextDocument>
#include <QTextOption>

namespace vantrel {
namespace {

const QString kBreak = QStringLiteral("\r\n");

QString WithPlainBreaks(QString text) { return text.replace(kBreak, QStringLiteral("\n")); }

}  // namespace

MultiLineEdit::MultiLineEdit(QWidget* parent) : QTextEdit(parent) {
  setAcceptRichText(false);
  setTabChangesFocus(true);  // Tab leaves the edit, as in a dialog
  connect(this, &QTextEdit::textChanged, this, [this] {
    QString now = Text();
    if (now == last_) return;  // a change of format only
    last_ = std::move(now);
    emit Changed();
  });
}

void MultiLineEdit::SetReadOnly(bool readOnly) {
  setReadOnly(readOnly);
  // Read-only text can still be selected and copied, with the keyboard too.
  if (readOnly) setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  QPalette colours = palette();
  colours.setColor(QPalette::Base, QPalette().color(readOnly ? QPalette::Window : QPalette::Base));
  setPalette(colours);
}

void MultiLineEdit::SetAlignment(Qt::Alignment alignment) {
  QTextOption option = document()->defaultTextOption();
  option.setAlignment(alignment);
  document()->setDefaultTextOption(option);
}

void MultiLineEdit::SetText(const QString& text) {
  if (WithPlainBreaks(text) == toPlainText()) return;
  setPlainText(text);
}

QString MultiLineEdit::Text() const { return toPlainText().replace(QLatin1Char('\n'), kBreak); }

}  // namespace vantrel
