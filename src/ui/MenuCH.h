// A pop-up menu whose items the program measures and paints itself: a
// 20-pixel picture column, the label, the key label in a column of its own
// at the right, and a framed, tinted highlight that leaves the picture
// column alone. Items carry no mnemonics; each knows its command id.
//
// On any palette: a highlighted label is drawn in a colour that reads on the
// tint, and where black would not read on the menu colour every picture gets
// an outline in the text colour. Pictures come from their double-size
// variant on a screen of more than one pixel per point.
#pragma once

#include <QColor>
#include <QMenu>
#include <QRgb>
#include <QSize>
#include <memory>
#include <vector>

#include "ui/MenuItem.h"

class QStyle;

namespace vantrel {

class CMenuCH : public QMenu {
  Q_OBJECT

 public:
  static constexpr int kPictureColumn = 20;
  static constexpr int kPictureSide = 16;
  static constexpr int kKeyColumn = 60;
  // What the desktop adds to a measured width for a check mark: rows are
  // this much wider than their items measure, so the label, which starts 28
  // pixels in and is 23 pixels narrower than the item, ends inside its row.
  static constexpr int kCheckMarkAllowance = 12;
  static constexpr int kSeparatorHeight = 6;
  static constexpr QRgb kHighlightFrame = qRgb(64, 64, 128);
  static constexpr QRgb kHighlightFill = qRgb(216, 216, 225);

  explicit CMenuCH(const QString& title, QWidget* parent = nullptr);
  ~CMenuCH() override;

  // Appends an item: the text before its first tab is the label, the rest the
  // key label; the picture is bitmap resource bitmapId (0: none).
  QAction* AppendItem(int commandId, const QString& text, int bitmapId);
  QAction* AppendSeparator();

  // The item behind an action of this menu; null for any other action.
  const CMenuItem* ItemOf(const QAction* action) const;
  int CommandOf(const QAction* action) const;
  // The keys a screen reader names for the item: its key label unless set.
  QString KeyBindingOf(const QAction* action) const;
  void SetKeyBinding(const QAction* action, const QString& keys);

  // The item's size in the menu's font: label and key label side by side plus
  // 23 pixels, text height plus 5 (a separator is 6 high); never smaller than
  // it was before. An item with a key label is also wide enough to keep its
  // label a gap away from the key column, whatever the font's blanks.
  QSize MeasureItem(CMenuItem& item, bool separator) const;
  // The key labels' column: 60 pixels, or wider where a key label of the
  // menu would not end a gap inside its row.
  int KeyColumnWidth() const;
  // The least room between a label and its key label, and between a key
  // label and the row's end: an average character of the menu's font.
  int KeyGap() const;
  // Paints the whole item, highlighted when selected, into rect.
  void DrawItem(QPainter& painter, const QRect& rect, const CMenuItem& item, bool separator,
                bool selected) const;

  QColor MenuColour() const;
  // The colour of a label: the text colour, or where that would not read on
  // the highlight's tint, black or white.
  QColor LabelColour(bool selected) const;
  // Whether pictures get an outline: black would not read on the menu colour.
  bool OutlinesPictures() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  class ItemStyle;
  struct Entry {
    QAction* action;
    std::unique_ptr<CMenuItem> item;
    QString keyBinding;
  };

  QAction* Append(int commandId, const QString& text, int bitmapId, bool separator);
  CMenuItem* ItemFor(const QString& actionText, bool separator);
  void DrawLabels(QPainter& painter, const QRect& rect, const CMenuItem& item, bool selected) const;
  void DrawPicture(QPainter& painter, const QRect& place, const CMenuItem& item) const;

  std::vector<Entry> entries_;
  std::unique_ptr<ItemStyle> style_;
};

}  // namespace vantrel
