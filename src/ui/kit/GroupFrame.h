// A group box as the platform draws it: an etched frame whose top line runs
// through the middle of the title. Only a drawing: it takes no focus and no
// clicks, and lies under the controls it surrounds.
#pragma once

#include <QWidget>

namespace vantrel {

class GroupFrame : public QWidget {
  Q_OBJECT

 public:
  explicit GroupFrame(const QString& title, QWidget* parent = nullptr);

  const QString& Title() const { return title_; }
  void SetTitle(const QString& title);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString title_;
};

}  // namespace vantrel
