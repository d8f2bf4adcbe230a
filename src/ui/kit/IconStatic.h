// A static control showing an icon resource at the platform's large icon
// size; like the platform's, it takes that size whatever its template says.
#pragma once

#include <QIcon>
#include <QWidget>

namespace vantrel {

class IconStatic : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kSide = 32;

  // An id without an icon shows nothing.
  explicit IconStatic(int iconId, QWidget* parent = nullptr);

  const QIcon& Icon() const { return icon_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QIcon icon_;
};

}  // namespace vantrel
