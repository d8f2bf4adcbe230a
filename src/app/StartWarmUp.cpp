#include "app/StartWarmUp.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetrics>
#include <QImageReader>

#include "ui/DialogTemplates.h"
#include "ui/ResourceIds.h"
#include "ui/kit/Resources.h"

#ifdef VANTREL_HAVE_QTDBUS
#include <QDBusConnection>
#endif

namespace vantrel {
namespace {

void WarmUp() {
  // The window template's face: finding it (or the substitutes Qt keeps for
  // it) fills the font database.
  const DialogTemplate window = MainDialogTemplate();
  QFont font(QString::fromStdString(window.fontFace));
  font.setPointSize(window.fontPoints);
  QFontMetrics(font).horizontalAdvance(QStringLiteral("Aa"));
  // The image readers load on first use; the banner is the window's.
  if (std::optional<QByteArray> banner =
          FindResourceData(ids::kBannerGif, QString::fromLatin1(kGifResource))) {
    QBuffer bytes(&*banner);
    bytes.open(QIODevice::ReadOnly);
    QImageReader(&bytes, "gif").read();
  }
#ifdef VANTREL_HAVE_QTDBUS
  QDBusConnection::sessionBus();
#endif
}

}  // namespace

StartWarmUp::StartWarmUp() : thread_(&WarmUp) {}

StartWarmUp::~StartWarmUp() { thread_.join(); }

}  // namespace vantrel
