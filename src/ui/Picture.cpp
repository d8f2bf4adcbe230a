#include "ui/Picture.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QPaintDevice>
#include <QPainter>
#include <limits>

#include "ui/kit/DialogUnits.h"
#include "ui/kit/Resources.h"
#include "ui/kit/Shell.h"

namespace vantrel {
namespace {

constexpr int kHimetricPerInch = 2540;
constexpr int kPictureDpi = 96;

}  // namespace

void CPicture::Error(const QString& text) {
  shell_.MessageBox(shell_.MainWindow(),
                    QCoreApplication::translate("vantrel::CPicture", "CPicture Error"), text,
                    MessageIcon::kStop);
}

bool CPicture::LoadFromResource(int id, const QString& type) {
  Clear();
  std::optional<QByteArray> data = FindResourceData(id, type);
  if (!data) {
    Error(QCoreApplication::translate("vantrel::CPicture", "FindResource() Failed\t"));
    return false;
  }
  const bool loaded =
      LoadFromMemory(reinterpret_cast<const unsigned char*>(data->constData()), data->size());
  size_ = data->size();
  if (!HasPicture()) {
    width_ = height_ = 0;
    return false;
  }
  width_ = MulDiv(HimetricWidth(), kPictureDpi, kHimetricPerInch);
  height_ = MulDiv(HimetricHeight(), kPictureDpi, kHimetricPerInch);
  if (std::optional<QByteArray> doubled = FindResourceData(id, type, 2)) doubleData_ = *doubled;
  return loaded;
}

bool CPicture::LoadFromMemory(const unsigned char* bytes, std::ptrdiff_t count) {
  if (count < 0 || (count > 0 && !bytes) || count > std::numeric_limits<int>::max()) {
    Error(QCoreApplication::translate("vantrel::CPicture", "Can not allocate enough memory\t"));
    return false;
  }
  image_ = QImage();
  doubleData_.clear();
  doubleImage_ = QImage();
  QByteArray copy(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(count));
  QBuffer stream(&copy);
  if (!stream.open(QIODevice::ReadOnly)) return false;
  QImageReader reader(&stream);
  if (reader.format().isEmpty()) {
    // No reader knows these bytes: the picture service cannot serve them.
    Error(
        QCoreApplication::translate("vantrel::CPicture", "IPicture interface is not supported\t"));
    return false;
  }
  // A reader that fails on damaged data leaves no picture; the caller sees it.
  image_ = reader.read();
  return true;
}

bool CPicture::Draw(QPainter* painter, const QRect& rect) {
  if (!painter || !HasPicture()) return false;
  if (!painter->isActive()) {
    Error(QCoreApplication::translate("vantrel::CPicture", "Can not allocate enough memory\t"));
    return false;
  }
  const QImage& image = ImageFor(painter->device());
  // Between the two sizes (a scale of 1.5) the double one is scaled down smoothly.
  painter->save();
  painter->setRenderHint(QPainter::SmoothPixmapTransform, &image == &doubleImage_);
  painter->drawImage(rect, image);
  painter->restore();
  return true;
}

const QImage& CPicture::ImageFor(const QPaintDevice* device) const {
  if (!device || device->devicePixelRatioF() <= 1 || doubleData_.isEmpty()) return image_;
  if (doubleImage_.isNull()) doubleImage_.loadFromData(doubleData_);
  return doubleImage_.isNull() ? image_ : doubleImage_;
}

bool CPicture::MeasureForDevice(const QPaintDevice* device) {
  if (!device || !HasPicture()) {
    width_ = height_ = 0;
    return false;
  }
  const bool printer = device->devType() == QInternal::Printer;
  const int dpiX = printer ? kPictureDpi : device->logicalDpiX();
  const int dpiY = printer ? kPictureDpi : device->logicalDpiY();
  width_ = MulDiv(HimetricWidth(), dpiX, kHimetricPerInch);
  height_ = MulDiv(HimetricHeight(), dpiY, kHimetricPerInch);
  return true;
}

void CPicture::Clear() {
  image_ = QImage();
  doubleData_.clear();
  doubleImage_ = QImage();
  width_ = height_ = 0;
  size_ = 0;
}

int CPicture::HimetricWidth() const {
  return MulDiv(image_.width(), kHimetricPerInch, kPictureDpi);
}

int CPicture::HimetricHeight() const {
  return MulDiv(image_.height(), kHimetricPerInch, kPictureDpi);
}

}  // namespace vantrel
