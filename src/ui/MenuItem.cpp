#include "ui/MenuItem.h"

#include <algorithm>

#include "ui/kit/Resources.h"

namespace vantrel {

CMenuItem::CMenuItem(const QString& text, int bitmapId) : bitmapId_(bitmapId) {
  const qsizetype tab = text.indexOf(QLatin1Char('\t'));
  label_ = tab < 0 ? text : text.left(tab);
  if (tab >= 0) {
    keyLabel_ = text.mid(tab + 1);
    hasKeyLabel_ = true;
  }
}

const QPixmap& CMenuItem::Picture(qreal devicePixelRatio) const {
  if (devicePixelRatio > 1 && bitmapId_ != 0) {
    if (!doubleDecoded_) {
      doublePicture_ = LoadBitmapResource(bitmapId_, 2);
      doubleDecoded_ = true;
    }
    if (!doublePicture_.isNull()) return doublePicture_;
  }
  if (!decoded_ && bitmapId_ != 0) picture_ = LoadBitmapResource(bitmapId_);
  decoded_ = true;
  return picture_;
}

void CMenuItem::Grow(int width, int height) {
  widest_ = std::max(widest_, width);
  tallest_ = std::max(tallest_, height);
}

}  // namespace vantrel
