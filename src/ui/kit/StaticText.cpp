#include "ui/kit/StaticText.h"

namespace vantrel {

StaticText::StaticText(const QString& text, QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setWordWrap(true);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  SetText(text);
}

void StaticText::SetText(const QString& text) {
  if (text == raw_) return;
  raw_ = text;
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  setText(shown);
}

}  // namespace vantrel
