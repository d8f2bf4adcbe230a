// A single-line edit. Changed is raised for every change of the text, by the
// user or by the program, but never for a write of the text it already holds.
// A read-only edit shows each text the program writes from its start. It can
// discard typed characters outside a set, as a dialog's character filter.
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

  // Typed characters outside `admitted` are discarded before they reach the
  // text. Keys that type no printable character (Backspace, Delete, the
  // clipboard shortcuts) and text pasted or written by the program pass.
  void AdmitTypedCharacters(const QString& admitted);

 signals:
  void Changed();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QString last_;
  QString admitted_;
  bool filtered_ = false;
};

}  // namespace vantrel
