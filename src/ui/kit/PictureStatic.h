// A static control that the dialog paints itself and that reports clicks.
#pragma once

#include <QWidget>
#include <functional>

namespace vantrel {

class PictureStatic : public QWidget {
  Q_OBJECT

 public:
  using Painter = std::function<void(QPainter& painter, const QRect& rect)>;

  PictureStatic(bool notify, QWidget* parent = nullptr);

  void SetPainter(Painter painter);

 signals:
  void Clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Painter painter_;
};

}  // namespace vantrel
