// A multi-line edit whose runs of text can be bold or coloured: the program
// finds a text, selects it and applies a format to the selection, as with the
// platform's rich edit. Positions count characters of the shown text, where a
// line break ("\r\n" as written) is one character.
#pragma once

#include <QColor>

#include "ui/kit/MultiLineEdit.h"

namespace vantrel {

class RichEdit : public MultiLineEdit {
  Q_OBJECT

 public:
  explicit RichEdit(QWidget* parent = nullptr);

  // The first case-sensitive match at or after `from`, or -1.
  int FindText(const QString& text, int from = 0) const;
  // Selects [start, end); end -1 selects to the end of the text.
  void SetSel(int start, int end);
  QString SelectedText() const;
  // Change only the one attribute of the selected text.
  void SetSelectionBold(bool bold);
  void SetSelectionColor(const QColor& color);
};

}  // namespace vantrel
