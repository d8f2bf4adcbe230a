#include "ui/kit/Resources.h"

#include <QBitmap>
#include <QFile>
#include <QImage>

namespace vantrel {
namespace {

QString ResourcePath(int id, const QString& type, int scale = 1) {
  const QString path = QStringLiteral(":/res/%1/%2").arg(type).arg(id);
  return scale == 1 ? path : path + QStringLiteral("@%1x").arg(scale);
}

constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
constexpr int kHandCursor = 139;

}  // namespace

std::optional<QByteArray> FindResourceData(int id, const QString& type, int scale) {
  QFile file(ResourcePath(id, type, scale));
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  return file.readAll();
}

QIcon LoadIconResource(int id) {
  QIcon icon;
  for (int size : kIconSizes) {
    const QString path = ResourcePath(id, kIconResource) + QStringLiteral("/%1").arg(size);
    if (QFile::exists(path)) icon.addFile(path, QSize(size, size));
  }
  return icon;
}

QPixmap LoadBitmapResource(int id, int scale) {
  QImage image;
  if (!image.load(ResourcePath(id, kBitmapResource, scale), "BMP")) return {};
  QPixmap pixmap = QPixmap::fromImage(image);
  pixmap.setMask(QBitmap::fromImage(image.createMaskFromColor(qRgb(255, 0, 255), Qt::MaskInColor)));
  pixmap.setDevicePixelRatio(scale);
  return pixmap;
}

QCursor LoadCursorResource(int id) {
  // The desktop theme's pointing hand stands in for our own cursor.
  return QCursor(id == kHandCursor ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

}  // namespace vantrel
