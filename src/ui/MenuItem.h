// One entry of an owner-drawn pop-up: its label, the key label that followed
// the tab in its text, its picture, and the largest size it was measured at.
#pragma once

#include <QPixmap>
#include <QString>

namespace vantrel {

class CMenuItem {
 public:
  // Splits the text at its first tab; bitmapId 0 (or a bitmap that cannot be
  // loaded) leaves the item without a picture.
  CMenuItem(const QString& text, int bitmapId);

  const QString& Label() const { return label_; }
  // Empty when the text had no tab.
  const QString& KeyLabel() const { return keyLabel_; }
  bool HasKeyLabel() const { return hasKeyLabel_; }
  // Null when there is none; magenta pixels are transparent. For a device of
  // more than one pixel per point, the double-size variant where there is
  // one (its device pixel ratio 2). Decoded when first asked for: a menu's
  // pictures are not needed before it opens, and the window starts sooner
  // without them.
  const QPixmap& Picture(qreal devicePixelRatio = 1) const;

  // The size only ever grows, so an item never shrinks between two showings.
  int Widest() const { return widest_; }
  int Tallest() const { return tallest_; }
  void Grow(int width, int height);

 private:
  QString label_;
  QString keyLabel_;
  bool hasKeyLabel_ = false;
  int bitmapId_ = 0;
  mutable bool decoded_ = false;
  mutable bool doubleDecoded_ = false;
  mutable QPixmap picture_;
  mutable QPixmap doublePicture_;
  int widest_ = 0;
  int tallest_ = 0;
};

}  // namespace vantrel
