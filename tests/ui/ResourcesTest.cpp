#include <gtest/gtest.h>

#include <QImage>

#include "ui/kit/Resources.h"

namespace vantrel {
namespace {

// Each at its size and at twice it, for screens of two pixels per point.
TEST(Resources, MenuBitmapsAre24BitWithMagentaTransparent) {
  const int ids[] = {161, 162, 163, 164, 165, 166, 167, 168, 169, 170, 173, 174};
  for (int id : ids) {
    for (int scale : {1, 2}) {
      SCOPED_TRACE(::testing::Message() << id << " at " << scale);
      std::optional<QByteArray> bytes = FindResourceData(id, kBitmapResource, scale);
      ASSERT_TRUE(bytes);
      ASSERT_GT(bytes->size(), 30);
      EXPECT_EQ(bytes->left(2), QByteArray("BM"));
      EXPECT_EQ(static_cast<unsigned char>(bytes->at(28)), 24) << "bits per pixel";
      const int side = (id == 174 ? 17 : 16) * scale;
      QImage image;
      ASSERT_TRUE(image.loadFromData(*bytes));
      EXPECT_EQ(image.size(), QSize(side, side));
      const QPixmap pixmap = LoadBitmapResource(id, scale);
      ASSERT_FALSE(pixmap.isNull());
      EXPECT_EQ(pixmap.devicePixelRatio(), scale);
      // Every corner of our pictures is background.
      EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 255));
      EXPECT_EQ(pixmap.toImage().pixelColor(0, 0).alpha(), 0) << "the key colour is transparent";
    }
  }
  EXPECT_TRUE(LoadBitmapResource(171).isNull());
  EXPECT_TRUE(LoadBitmapResource(161, 3).isNull());
}

TEST(Resources, TheIconHasTheSizesADesktopWants) {
  const QIcon icon = LoadIconResource(128);
  ASSERT_FALSE(icon.isNull());
  for (int size : {16, 32, 48, 128, 256}) {
    EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << size;
  }
  EXPECT_TRUE(LoadIconResource(129).isNull());
}

TEST(Resources, PicturesAreGif89aAndTheHandCursorPoints) {
  for (int id : {130, 131}) {
    QSize size;
    for (int scale : {1, 2}) {
      std::optional<QByteArray> bytes = FindResourceData(id, kGifResource, scale);
      ASSERT_TRUE(bytes);
      EXPECT_EQ(bytes->left(6), QByteArray("GIF89a"));
      const QSize each = QImage::fromData(*bytes).size();
      if (scale == 1) size = each;
      EXPECT_EQ(each, size * scale) << id;
    }
  }
  EXPECT_FALSE(FindResourceData(132, kGifResource));
  EXPECT_EQ(LoadCursorResource(139).shape(), Qt::PointingHandCursor);
  EXPECT_EQ(LoadCursorResource(1).shape(), Qt::ArrowCursor);
}

}  // namespace
}  // namespace vantrel
