// Reports clicks on a static control that notifies: a press and a release of
// the left button over it, as with a button.
#pragma once

#include <QObject>

class QWidget;

namespace vantrel {

class ClickReporter : public QObject {
  Q_OBJECT

 public:
  // Watches `control` and lives as its child.
  explicit ClickReporter(QWidget* control);

 signals:
  void Clicked();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* control_;
  bool pressed_ = false;
};

}  // namespace vantrel
