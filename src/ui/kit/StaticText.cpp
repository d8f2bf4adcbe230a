#include "ui/kit/StaticText.h"

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
}

}  // namespace vantrel
