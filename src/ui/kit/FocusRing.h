// A clearly visible mark of the keyboard focus: a frame in the text colour
// drawn just outside whichever control of its host window has the focus,
// whatever the widget style draws (some draw next to nothing for a list).
// Controls inside a nested host (a page of a sheet) are that host's.
#pragma once

#include <QPointer>
#include <QWidget>

namespace vantrel {

class FocusRing : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 2;

  explicit FocusRing(QWidget* host);

  // The control the ring surrounds, or null while it is hidden.
  QWidget* Target() const { return target_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Follow(QWidget* focus);
  void Place();

  QPointer<QWidget> target_;
};

}  // namespace vantrel
