// A single-line edit. Changed is raised for every change of the text, by the
// user or by the program, but never for a write of the text it already holds.
// A read-only edit shows each text the program writes from its start.
#pragma once

#include <QLineEdit>

namespace vantrel {

class EditBox : public QLineEdit {
  Q_OBJECT

 public:
  explicit EditBox(QWidget* parent = nullptr);

  // A read-only edit shows the window's colour behind its text, as the
  // platform's do, so that it does not look like a place to type.
  void SetReadOnly(bool readOnly);

  void SetText(const QString& text);
  QString Text() const { return text(); }
  // Selects from `start` to `end`; end -1 selects to the end of the text.
  void SetSel(int start, int end);

 signals:
  void Changed();

 private:
  QString last_;
};

}  // namespace vantrel
