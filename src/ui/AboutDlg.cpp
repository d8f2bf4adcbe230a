#include "ui/AboutDlg.h"

#include <QEvent>
#include <QPainter>
#include <QUrl>

#include "ui/AppContext.h"
#include "ui/ResourceIds.h"
#include "ui/kit/Contrast.h"
#include "ui/kit/PictureStatic.h"
#include "ui/kit/Resources.h"
#include "ui/kit/Shell.h"
#include "ui/kit/StaticText.h"

namespace vantrel {
namespace {

const char* const kTerms = QT_TRANSLATE_NOOP(
    "vantrel::CAboutDlg",
    "Vantrel Unit Converter is provided \"as is\", without warranty of any kind. Its developers "
    "are not liable for any damage that comes of its use. Check results that matter "
    "(engineering, medicine, navigation, trade) against another source before relying on them.");

}  // namespace

CAboutDlg::CAboutDlg(AppContext& context, QWidget* parent)
    : TemplateDialog(context.templates, ids::kAboutDialog, context.dialogFont, parent),
      context_(context),
      banner_(context.shell) {}

void CAboutDlg::OnInitDialog() {
  AddRoutes({
      {ids::kBannerPicture, Notification::kClicked, [this] { OpenHomePage(); }},
      {ids::kProductLink, Notification::kClicked, [this] { OpenHomePage(); }},
  });
  PlaceBanner();
  banner_.LoadFromResource(ids::kBannerGif, kGifResource);
  SetItemText(ids::kTermsText, tr(kTerms));

  // The link shows the page it opens, shortened in the middle when it is
  // longer than its place.
  StaticText* link = StaticItem(ids::kProductLink);
  // A document's path shows as the address a browser shows for it.
  const QString address =
      context_.homePage.isEmpty() ? QString() : QUrl::fromUserInput(context_.homePage).toString();
  link->SetText(link->fontMetrics().elidedText(address, Qt::ElideMiddle, link->width()));
  link->setToolTip(address);
  ColourLink();

  const QCursor hand = LoadCursorResource(ids::kHandCursor);
  link->setCursor(hand);
  PictureItem(ids::kBannerPicture)->setCursor(hand);
  PictureItem(ids::kBannerPicture)->SetPainter([this](QPainter& painter, const QRect&) {
    banner_.MeasureForDevice(painter.device());
    banner_.Draw(&painter, QRect(0, 0, kBannerWidth, kBannerHeight));
  });
  // The banner and the link come first in Tab's order, but Enter is for OK.
  Item(ids::kTermsText)->setFocus();
}

void CAboutDlg::ColourLink() {
  // Pure blue, lightened on a dark background until it reads.
  StaticText* link = StaticItem(ids::kProductLink);
  QPalette colours = link->palette();
  colours.setColor(QPalette::WindowText,
                   KeepReadable(QColor(kLinkBlue), palette().color(QPalette::Window)));
  link->setPalette(colours);
}

void CAboutDlg::changeEvent(QEvent* event) {
  TemplateDialog::changeEvent(event);
  if (event->type() == QEvent::PaletteChange && StaticItem(ids::kProductLink)) ColourLink();
}

void CAboutDlg::PlaceBanner() {
  // 20 pixels below the notice line, whatever the font makes of it.
  const QRect notice = Item(ids::kNoticeLine)->geometry();
  Item(ids::kBannerPicture)
      ->setGeometry(notice.left(), notice.y() + notice.height() + 20, kBannerWidth, kBannerHeight);
}

void CAboutDlg::OpenHomePage() {
  if (!context_.homePage.isEmpty()) context_.shell.OpenAddress(context_.homePage);
}

}  // namespace vantrel
