#include "ui/MenuCH.h"

#include <QPaintEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>
#include <algorithm>

#include "ui/MenuItemAccessible.h"
#include "ui/kit/Contrast.h"

namespace vantrel {
namespace {

constexpr int kExtraWidth = 23;
constexpr int kExtraHeight = 5;
// The label rectangle: the item less the picture column, shrunk by 2 on every
// side, moved 6 right and 2 down.
constexpr int kLabelLeft = CMenuCH::kPictureColumn + 8;
constexpr int kLabelTop = 4;
constexpr int kLabelBeyondRight = 4;
// The pop-up's own frame and the space between it and the items.
constexpr int kPanelWidth = 1;
constexpr int kMargin = 2;

// QMenu has no mnemonics of its own for an item unless its text marks one.
QString WithoutMnemonics(const QString& label) {
  QString text = label;
  return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

// The menu lays its items out at the sizes this style reports, which are the
// items' own measurements; everything else is the application's style.
class CMenuCH::ItemStyle final : public QProxyStyle {
 public:
  explicit ItemStyle(CMenuCH& menu) : menu_(menu) {}

  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget) const override {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (type == CT_Menu) return size;
    if (type != CT_MenuItem || !item) {
      return QProxyStyle::sizeFromContents(type, option, size, widget);
    }
    const bool separator = item->menuItemType == QStyleOptionMenuItem::Separator;
    CMenuItem* entry = menu_.ItemFor(item->text, separator);
    if (!entry) return size;
    return menu_.MeasureItem(*entry, separator) + QSize(kCheckMarkAllowance, 0);
  }

  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    switch (metric) {
      case PM_MenuPanelWidth:
        return kPanelWidth;
      case PM_MenuHMargin:
      case PM_MenuVMargin:
        return kMargin;
      case PM_MenuDesktopFrameWidth:
        return 0;
      default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
  }

 private:
  CMenuCH& menu_;
};

CMenuCH::CMenuCH(const QString& title, QWidget* parent)
    : QMenu(title, parent), style_(std::make_unique<ItemStyle>(*this)) {
  setStyle(style_.get());
  InstallMenuItemAccessibility();
}

CMenuCH::~CMenuCH() {
  // The style reads the entries, which go before the menu's actions do.
  setStyle(nullptr);
}

QAction* CMenuCH::AppendItem(int commandId, const QString& text, int bitmapId) {
  return Append(commandId, text, bitmapId, false);
}

QAction* CMenuCH::AppendSeparator() { return Append(0, QString(), 0, true); }

QAction* CMenuCH::Append(int commandId, const QString& text, int bitmapId, bool separator) {
  auto item = std::make_unique<CMenuItem>(text, bitmapId);
  // The action is named by its label alone: the blanks before the key label
  // are for the eye.
  QAction* action =
      separator ? addSeparator() : addAction(WithoutMnemonics(item->Label().simplified()));
  action->setData(commandId);
  entries_.push_back({action, std::move(item), QString()});
  return action;
}

const CMenuItem* CMenuCH::ItemOf(const QAction* action) const {
  for (const Entry& entry : entries_) {
    if (entry.action == action) return entry.item.get();
  }
  return nullptr;
}

int CMenuCH::CommandOf(const QAction* action) const {
  return ItemOf(action) ? action->data().toInt() : 0;
}

QString CMenuCH::KeyBindingOf(const QAction* action) const {
  for (const Entry& entry : entries_) {
    if (entry.action != action) continue;
    return entry.keyBinding.isEmpty() ? entry.item->KeyLabel() : entry.keyBinding;
  }
  return {};
}

void CMenuCH::SetKeyBinding(const QAction* action, const QString& keys) {
  for (Entry& entry : entries_) {
    if (entry.action == action) entry.keyBinding = keys;
  }
}

CMenuItem* CMenuCH::ItemFor(const QString& actionText, bool separator) {
  // The style knows an item only by its text; labels are unique in a pop-up,
  // and separators all measure alike.
  for (Entry& entry : entries_) {
    if (entry.action->isSeparator() == separator && entry.action->text() == actionText) {
      return entry.item.get();
    }
  }
  return nullptr;
}

QSize CMenuCH::MeasureItem(CMenuItem& item, bool separator) const {
  const QFontMetrics metrics(font());
  int width = metrics.horizontalAdvance(item.Label() + item.KeyLabel()) + kExtraWidth;
  if (item.HasKeyLabel()) {
    // The run of blanks before the tab keeps the two apart only in a font
    // with blanks as wide as the design's.
    const int label = metrics.horizontalAdvance(item.Label().trimmed());
    const int needed =
        kLabelLeft + label + KeyGap() + KeyColumnWidth() - kLabelBeyondRight - kCheckMarkAllowance;
    width = std::max(width, needed);
  }
  item.Grow(width, separator ? 0 : metrics.height() + kExtraHeight);
  return {item.Widest(), separator ? kSeparatorHeight : item.Tallest()};
}

int CMenuCH::KeyColumnWidth() const {
  // The column ends past the row's right edge with the label rectangle; a key
  // label must still end a gap inside the row.
  const QFontMetrics metrics(font());
  int column = kKeyColumn;
  for (const Entry& entry : entries_) {
    const int key = metrics.horizontalAdvance(entry.item->KeyLabel());
    column = std::max(column, key + kLabelBeyondRight + KeyGap());
  }
  return column;
}

int CMenuCH::KeyGap() const { return std::max(2, QFontMetrics(font()).averageCharWidth()); }

QColor CMenuCH::MenuColour() const { return palette().color(QPalette::Window); }

QColor CMenuCH::LabelColour(bool selected) const {
  const QColor text = palette().color(QPalette::WindowText);
  return selected ? ReadableTextOn(QColor(kHighlightFill), text) : text;
}

bool CMenuCH::OutlinesPictures() const {
  return ContrastRatio(QColor(Qt::black), MenuColour()) < kReadableContrast;
}

void CMenuCH::DrawItem(QPainter& painter, const QRect& rect, const CMenuItem& item, bool separator,
                       bool selected) const {
  painter.save();
  painter.setFont(font());
  const int left = rect.x();
  const int top = rect.y();
  const int right = left + rect.width();  // one past the last column
  const int bottom = top + rect.height();
  const QRect pictureSquare(left, top, kPictureColumn, kPictureColumn);

  painter.fillRect(rect, MenuColour());
  painter.fillRect(pictureSquare, MenuColour());
  if (separator) {
    // An etched line: shadow above, light below, across the whole item.
    const int y = top + 3;
    painter.fillRect(QRect(left, y, right + 5 - left, 1), palette().color(QPalette::Dark));
    painter.fillRect(QRect(left, y + 1, right + 5 - left, 1), palette().color(QPalette::Light));
  }
  DrawPicture(painter, QRect(left + 2, top + 2, kPictureSide, kPictureSide), item);
  if (selected && !separator) {
    // The highlight starts two pixels right of the picture column.
    const QRect frame(left + kPictureColumn + 2, top, right - (left + kPictureColumn + 2),
                      bottom - top);
    painter.fillRect(frame, QColor(kHighlightFrame));
    painter.fillRect(frame.adjusted(1, 1, -1, -1), QColor(kHighlightFill));
  }
  DrawLabels(painter, rect, item, selected && !separator);
  painter.restore();
}

void CMenuCH::DrawPicture(QPainter& painter, const QRect& place, const CMenuItem& item) const {
  const QPixmap& picture = item.Picture(painter.device()->devicePixelRatioF());
  if (picture.isNull()) return;
  // The picture's top-left 16 x 16 points, in its own pixels.
  const int side = qRound(kPictureSide * picture.devicePixelRatio());
  const QRect source(0, 0, side, side);
  // A double-size picture on a screen of 1.5 pixels per point is scaled down.
  painter.setRenderHint(QPainter::SmoothPixmapTransform,
                        picture.devicePixelRatio() != painter.device()->devicePixelRatioF());
  if (OutlinesPictures()) {
    // Its shape in the text colour, one pixel out on every side, behind it.
    QPixmap outline(picture.size());
    outline.setDevicePixelRatio(picture.devicePixelRatio());
    outline.fill(Qt::transparent);
    QPainter shape(&outline);
    shape.drawPixmap(0, 0, picture);
    shape.setCompositionMode(QPainter::CompositionMode_SourceIn);
    shape.fillRect(outline.rect(), ReadableTextOn(MenuColour(), LabelColour(false)));
    shape.end();
    for (const QPoint offset : {QPoint(-1, -1), QPoint(0, -1), QPoint(1, -1), QPoint(-1, 0),
                                QPoint(1, 0), QPoint(-1, 1), QPoint(0, 1), QPoint(1, 1)}) {
      painter.drawPixmap(place.translated(offset), outline, source);
    }
  }
  painter.drawPixmap(place, picture, source);
}

void CMenuCH::DrawLabels(QPainter& painter, const QRect& rect, const CMenuItem& item,
                         bool selected) const {
  const int right = rect.x() + rect.width();
  const QRect label(rect.x() + kLabelLeft, rect.y() + kLabelTop,
                    right + kLabelBeyondRight - (rect.x() + kLabelLeft), rect.height() - kLabelTop);
  const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
  painter.setPen(LabelColour(selected));
  painter.drawText(label, flags, item.Label());
  if (item.HasKeyLabel()) {
    const int column = KeyColumnWidth();
    const QRect key(label.x() + label.width() - column, label.y(), column, label.height());
    painter.drawText(key, flags, item.KeyLabel());
  }
}

void CMenuCH::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(rect(), MenuColour());
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  for (QAction* action : actions()) {
    const CMenuItem* item = ItemOf(action);
    const QRect place = actionGeometry(action);
    if (!item || !place.intersects(event->rect())) continue;
    DrawItem(painter, place, *item, action->isSeparator(), action == activeAction());
  }
  if (!OutlinesPictures()) return;
  // A picture's outline may reach a pixel into the next row, whose background
  // covered it: the pictures go again on top.
  for (QAction* action : actions()) {
    const CMenuItem* item = ItemOf(action);
    const QRect picture(actionGeometry(action).topLeft() + QPoint(2, 2),
                        QSize(kPictureSide, kPictureSide));
    if (!item || !picture.adjusted(-1, -1, 1, 1).intersects(event->rect())) continue;
    painter.save();
    DrawPicture(painter, picture, *item);
    painter.restore();
  }
}

}  // namespace vantrel
