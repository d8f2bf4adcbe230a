// Static text. It keeps the text as written (line breaks as "\r\n" included)
// and shows it with plain line breaks, wrapped at word boundaries. An "&"
// marks the access key that moves the focus to its buddy control; "&&" shows
// one "&". A notifying static reports clicks.
#pragma once

#include <QLabel>

namespace vantrel {

class StaticText : public QLabel {
  Q_OBJECT

 public:
  explicit StaticText(const QString& text, bool notify = false, QWidget* parent = nullptr);

  void SetText(const QString& text);
  const QString& Text() const { return raw_; }

 signals:
  void Clicked();

 private:
  QString raw_;
};

}  // namespace vantrel
