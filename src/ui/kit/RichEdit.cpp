#include "ui/kit/RichEdit.h"

#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace vantrel {

RichEdit::RichEdit(QWidget* parent) : MultiLineEdit(parent) {}

int RichEdit::FindText(const QString& text, int from) const {
  const QTextCursor found =
      document()->find(text, std::max(0, from), QTextDocument::FindCaseSensitively);
  return found.isNull() ? -1 : found.selectionStart();
}

void RichEdit::SetSel(int start, int end) {
  QTextCursor cursor(document());
  cursor.movePosition(QTextCursor::End);
  const int length = cursor.position();
  const int from = std::clamp(start, 0, length);
  const int to = end < 0 ? length : std::clamp(end, from, length);
  cursor.setPosition(from);
  cursor.setPosition(to, QTextCursor::KeepAnchor);
  setTextCursor(cursor);
}

QString RichEdit::SelectedText() const {
  return textCursor().selectedText().replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
}

void RichEdit::SetSelectionBold(bool bold) {
  QTextCharFormat format;
  format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
  textCursor().mergeCharFormat(format);
}

void RichEdit::SetSelectionColor(const QColor& color) {
  QTextCharFormat format;
  format.setForeground(color);
  textCursor().mergeCharFormat(format);
}

}  // namespace vantrel
