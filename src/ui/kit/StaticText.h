// Static text. It keeps the text as written (line breaks as "\r\n" included)
// and shows it with plain line breaks, wrapped at word boundaries.
#pragma once

#include <QLabel>

namespace vantrel {

class StaticText : public QLabel {
  Q_OBJECT

 public:
  explicit StaticText(const QString& text, QWidget* parent = nullptr);

  void SetText(const QString& text);
  const QString& Text() const { return raw_; }

 private:
  QString raw_;
};

}  // namespace vantrel
