// Reports clicks on a static control that notifies: a press and a release of
// the left button over it, as with a button; Enter or Space while it has the
// keyboard focus; and a screen reader's press.
#pragma once

#include <QObject>

class QWidget;

namespace vantrel {

class ClickReporter : public QObject {
  Q_OBJECT

 public:
  // Watches `control` and lives as its child.
  explicit ClickReporter(QWidget* control);

  // The click of the control's that does not come from the mouse or the keys.
  void Click() { emit Clicked(); }

 signals:
  void Clicked();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* control_;
  bool pressed_ = false;
};

// The reporter of a control that reports clicks, or null.
ClickReporter* ClickReporterOf(const QWidget* control);

}  // namespace vantrel
