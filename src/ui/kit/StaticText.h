// Static text. It keeps the text as written (line breaks as "\r\n" included)
// and shows it with plain line breaks, wrapped at word boundaries. An "&"
// marks the access key that moves the focus to its buddy control; "&&" shows
// one "&". A notifying static reports clicks.
//
// Its place is the rectangle the dialog gives it. Given a font of its own
// taller than its dialog's, it takes the height that font needs, centred on
// that place, where the place is too low.
#pragma once

#include <QLabel>
#include <QRect>

namespace vantrel {

class StaticText : public QLabel {
  Q_OBJECT

 public:
  explicit StaticText(const QString& text, bool notify = false, QWidget* parent = nullptr);

  void SetText(const QString& text);
  const QString& Text() const { return raw_; }

  void SetPlace(const QRect& place);
  const QRect& Place() const { return place_; }

 signals:
  void Clicked();
  // The program wrote another text.
  void TextChanged();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Fit();

  QString raw_;
  QRect place_;
};

}  // namespace vantrel
