#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>

#include "RecordingShell.h"
#include "ui/Picture.h"
#include "ui/kit/Resources.h"

namespace vantrel {
namespace {

using testing::RecordingShell;

TEST(CPicture, LoadsTheResourcePicturesAtTheirPixelSizes) {
  RecordingShell shell;
  CPicture picture(shell);
  EXPECT_FALSE(picture.HasPicture());
  EXPECT_EQ(picture.Width(), 0);

  ASSERT_TRUE(picture.LoadFromResource(130, kGifResource));
  EXPECT_EQ(picture.Width(), 250);
  EXPECT_EQ(picture.Height(), 57);
  EXPECT_EQ(picture.Size(), FindResourceData(130, kGifResource)->size());

  ASSERT_TRUE(picture.LoadFromResource(131, kGifResource));
  EXPECT_EQ(picture.Width(), 32);
  EXPECT_EQ(picture.Height(), 32);
  EXPECT_TRUE(shell.messages.empty());

  picture.Clear();
  EXPECT_FALSE(picture.HasPicture());
  EXPECT_EQ(picture.Width(), 0);
  EXPECT_EQ(picture.Height(), 0);
  EXPECT_EQ(picture.Size(), 0);
}

TEST(CPicture, MissingResourceSaysFindResourceFailedAndLeavesNoPicture) {
  RecordingShell shell;
  QWidget mainWindow;
  shell.SetMainWindow(&mainWindow);
  CPicture picture(shell);
  ASSERT_TRUE(picture.LoadFromResource(130, kGifResource));
  EXPECT_FALSE(picture.LoadFromResource(999, kGifResource));
  EXPECT_FALSE(picture.LoadFromResource(130, kBitmapResource)) << "the type counts";
  EXPECT_FALSE(picture.HasPicture());
  EXPECT_EQ(picture.Width(), 0);
  EXPECT_EQ(picture.Height(), 0);
  ASSERT_EQ(shell.messages.size(), 2u);
  for (const auto& message : shell.messages) {
    EXPECT_EQ(message.caption, QStringLiteral("CPicture Error"));
    EXPECT_EQ(message.text, QStringLiteral("FindResource() Failed\t"));
    EXPECT_EQ(message.icon, MessageIcon::kStop);
    EXPECT_EQ(message.owner, &mainWindow);
  }
}

TEST(CPicture, MemoryErrorPaths) {
  RecordingShell shell;
  CPicture picture(shell);
  const unsigned char garbage[] = "certainly not a picture";
  EXPECT_FALSE(picture.LoadFromMemory(garbage, sizeof garbage));
  ASSERT_EQ(shell.messages.size(), 1u);
  EXPECT_EQ(shell.messages[0].text, QStringLiteral("IPicture interface is not supported\t"));

  EXPECT_FALSE(picture.LoadFromMemory(garbage, -1));
  ASSERT_EQ(shell.messages.size(), 2u);
  EXPECT_EQ(shell.messages[1].text, QStringLiteral("Can not allocate enough memory\t"));

  // A GIF cut short after its header is known but yields no picture: no box.
  const QByteArray gif = *FindResourceData(130, kGifResource);
  EXPECT_TRUE(picture.LoadFromMemory(reinterpret_cast<const unsigned char*>(gif.constData()), 13));
  EXPECT_FALSE(picture.HasPicture());
  EXPECT_EQ(shell.messages.size(), 2u);
}

TEST(CPicture, DrawsStretchedAndNothingWithoutAPicture) {
  RecordingShell shell;
  CPicture picture(shell);
  QImage target(64, 64, QImage::Format_RGB32);
  target.fill(Qt::black);
  {
    QPainter painter(&target);
    EXPECT_FALSE(picture.Draw(&painter, QRect(0, 0, 64, 64)));
  }
  EXPECT_EQ(target.pixel(32, 32), qRgb(0, 0, 0));
  EXPECT_TRUE(shell.messages.empty()) << "drawing before a load shows no message";

  ASSERT_TRUE(picture.LoadFromResource(131, kGifResource));
  EXPECT_FALSE(picture.Draw(nullptr, QRect(0, 0, 64, 64)));
  {
    QPainter painter(&target);
    EXPECT_TRUE(picture.Draw(&painter, QRect(0, 0, 64, 64)));
  }
  QImage source;
  ASSERT_TRUE(source.loadFromData(*FindResourceData(131, kGifResource)));
  // The invert icon's frame pixel at its corner, stretched two-fold.
  EXPECT_EQ(target.pixel(0, 0), source.pixel(0, 0));
  EXPECT_EQ(target.pixel(63, 63), source.pixel(31, 31));
}

// On a screen of two pixels per point the double-size variant is drawn, each
// of its pixels on one of the screen's: sharp, not the small one doubled.
TEST(CPicture, DrawsItsDoubleSizeVariantWhereAPointHasTwoPixels) {
  RecordingShell shell;
  CPicture picture(shell);
  ASSERT_TRUE(picture.LoadFromResource(131, kGifResource));
  EXPECT_EQ(picture.Width(), 32);
  QImage dense(64, 64, QImage::Format_RGB32);
  dense.setDevicePixelRatio(2);
  {
    QPainter painter(&dense);
    EXPECT_TRUE(picture.Draw(&painter, QRect(0, 0, 32, 32)));
  }
  QImage doubled;
  ASSERT_TRUE(doubled.loadFromData(*FindResourceData(131, kGifResource, 2)));
  dense.setDevicePixelRatio(1);
  EXPECT_EQ(dense, doubled.convertToFormat(QImage::Format_RGB32));
}

TEST(CPicture, MeasuresForTheDevicesResolution) {
  RecordingShell shell;
  CPicture picture(shell);
  QImage device(10, 10, QImage::Format_RGB32);
  EXPECT_FALSE(picture.MeasureForDevice(&device)) << "nothing loaded";
  ASSERT_TRUE(picture.LoadFromResource(130, kGifResource));
  EXPECT_FALSE(picture.MeasureForDevice(nullptr));
  EXPECT_EQ(picture.Width(), 0);

  const struct {
    int dpi;
    int width, height;
  } cases[] = {// through hundredths of a millimetre: 57 px is 1508, 85.5 at 144 dpi
               {96, 250, 57},
               {192, 500, 114},
               {144, 375, 85}};
  for (const auto& c : cases) {
    device.setDotsPerMeterX(qRound(c.dpi / 0.0254));
    device.setDotsPerMeterY(qRound(c.dpi / 0.0254));
    ASSERT_TRUE(picture.MeasureForDevice(&device));
    EXPECT_EQ(picture.Width(), c.width) << c.dpi;
    EXPECT_EQ(picture.Height(), c.height) << c.dpi;
  }
}

}  // namespace
}  // namespace vantrel
