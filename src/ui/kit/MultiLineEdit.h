// An edit of several lines. Its text has "\r\n" line breaks, as the program
// writes them; Changed is raised for every change of the text, by the user or
// by the program, but never for a write of the text it already holds. A
// read-only one stays selectable, so its text can be copied.
#pragma once

#include <QTextEdit>

namespace vantrel {

class MultiLineEdit : public QTextEdit {
  Q_OBJECT

 public:
  explicit MultiLineEdit(QWidget* parent = nullptr);

  // A read-only edit shows the window's colour behind its text, as EditBox.
  void SetReadOnly(bool readOnly);
  void SetAlignment(Qt::Alignment alignment);

  void SetText(const QString& text);
  QString Text() const;

 signals:
  void Changed();

 private:
  QString last_;
};

}  // namespace vantrel
