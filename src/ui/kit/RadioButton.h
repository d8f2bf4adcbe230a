// A radio button that a click anywhere in its rectangle checks, as on the
// platform, not only on its circle and text.
#pragma once

#include <QRadioButton>

namespace vantrel {

class RadioButton : public QRadioButton {
  Q_OBJECT

 public:
  using QRadioButton::QRadioButton;

 protected:
  bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

}  // namespace vantrel
