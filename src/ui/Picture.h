// A picture from the program's resources or from image data in memory (GIF,
// and whatever else Qt's image readers know), with its size in pixels, drawn
// stretched into a rectangle. Errors go to a "CPicture Error" message box
// owned by the main window. A resource's double-size variant, where it has
// one, is what it draws on a screen of more than one pixel per point.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstddef>

class QPainter;
class QPaintDevice;

namespace vantrel {

class Shell;

class CPicture {
 public:
  explicit CPicture(Shell& shell) : shell_(shell) {}

  // Frees what was loaded first. Width and height are the picture's pixels at
  // 96 per inch; both are 0 after a failure.
  bool LoadFromResource(int id, const QString& type);
  // Does not keep the bytes.
  bool LoadFromMemory(const unsigned char* bytes, std::ptrdiff_t count);
  // The whole picture stretched into the rectangle; false without a painter
  // or a picture.
  bool Draw(QPainter* painter, const QRect& rect);
  // Width and height for the device's logical resolution (96 for a printer).
  bool MeasureForDevice(const QPaintDevice* device);
  void Clear();

  bool HasPicture() const { return !image_.isNull(); }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // Bytes of the last image data loaded from a resource.
  std::ptrdiff_t Size() const { return size_; }

 private:
  void Error(const QString& text);
  // The image to draw on that device.
  const QImage& ImageFor(const QPaintDevice* device) const;
  // The picture's own size in hundredths of a millimetre.
  int HimetricWidth() const;
  int HimetricHeight() const;

  Shell& shell_;
  QImage image_;
  // The double-size variant's data (none for image data from memory), decoded
  // when a dense screen first needs it.
  QByteArray doubleData_;
  mutable QImage doubleImage_;
  int width_ = 0;
  int height_ = 0;
  std::ptrdiff_t size_ = 0;
};

}  // namespace vantrel
