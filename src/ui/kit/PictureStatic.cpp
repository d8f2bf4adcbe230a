#include "ui/kit/PictureStatic.h"

#include <QPainter>
#include <utility>

#include "ui/kit/ClickReporter.h"

namespace vantrel {

PictureStatic::PictureStatic(bool notify, QWidget* parent) : QWidget(parent) {
  if (notify) {
    connect(new ClickReporter(this), &ClickReporter::Clicked, this, &PictureStatic::Clicked);
  }
}

void PictureStatic::SetPainter(Painter painter) {
  painter_ = std::move(painter);
  update();
}

void PictureStatic::paintEvent(QPaintEvent*) {
  if (!painter_) return;
  QPainter painter(this);
  painter_(painter, rect());
}

}  // namespace vantrel
