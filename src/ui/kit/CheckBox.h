// A check box that a click anywhere in its rectangle toggles, as on the
// platform, not only on its box and text.
#pragma once

#include <QCheckBox>

namespace vantrel {

class CheckBox : public QCheckBox {
  Q_OBJECT

 public:
  using QCheckBox::QCheckBox;

 protected:
  bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

}  // namespace vantrel
