// The owner-drawn pop-ups, judged from pictures of them rendered offscreen.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QMenuBar>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <memory>
#include <optional>
#include <ostream>

#include "ui/MainMenu.h"
#include "ui/MenuCH.h"
#include "ui/kit/Resources.h"

namespace vantrel {
namespace {

constexpr QRgb kMagenta = qRgb(255, 0, 255);

QImage Render(CMenuCH& menu, QAction* active) {
  menu.resize(menu.sizeHint());
  menu.setActiveAction(active);
  return menu.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool IsInk(QRgb pixel) { return qGray(pixel) < 110 && pixel != CMenuCH::kHighlightFrame; }

// Where a colour is found inside a rectangle of the picture.
std::optional<QRect> BoundsOf(const QImage& image, QRgb colour, const QRect& within) {
  std::optional<QRect> bounds;
  for (int y = within.top(); y <= within.bottom(); ++y) {
    for (int x = within.left(); x <= within.right(); ++x) {
      if (image.pixel(x, y) != colour) continue;
      bounds = bounds ? bounds->united(QRect(x, y, 1, 1)) : QRect(x, y, 1, 1);
    }
  }
  return bounds;
}

int CountOf(const QImage& image, QRgb colour, const QRect& area) {
  const QRect within = area & image.rect();
  int count = 0;
  for (int y = within.top(); y <= within.bottom(); ++y) {
    for (int x = within.left(); x <= within.right(); ++x) count += image.pixel(x, y) == colour;
  }
  return count;
}

int RightmostInk(const QImage& image, const QRect& within) {
  for (int x = within.right(); x >= within.left(); --x) {
    for (int y = within.top(); y <= within.bottom(); ++y) {
      if (IsInk(image.pixel(x, y))) return x;
    }
  }
  return -1;
}

int LeftmostInk(const QImage& image, const QRect& within) {
  for (int x = within.left(); x <= within.right(); ++x) {
    for (int y = within.top(); y <= within.bottom(); ++y) {
      if (IsInk(image.pixel(x, y))) return x;
    }
  }
  return -1;
}

struct MenuFont {
  const char* face;
  int points;
};

void PrintTo(const MenuFont& font, std::ostream* out) {
  *out << QString::fromLatin1(font.face).remove(' ').toStdString() << font.points;
}

class MenuCHTest : public ::testing::TestWithParam<MenuFont> {
 protected:
  MenuCHTest() : font_(QString::fromLatin1(GetParam().face), GetParam().points) {
    BuildMainMenu(bar_, font_);
  }
  CMenuCH& Popup(int position) { return *MainMenuPopup(bar_, position); }

  QFont font_;
  QMenuBar bar_;
};

// Each item selected in turn: the highlight's frame gives the row's extent.
TEST_P(MenuCHTest, ItemsMeasureTheirTextAndHighlightRightOfThePictureColumn) {
  const QFontMetrics metrics(font_);
  for (int position : {0, 1, 2}) {
    CMenuCH& menu = Popup(position);
    int widest = 0;
    for (QAction* action : menu.actions()) {
      const CMenuItem& item = *menu.ItemOf(action);
      widest = std::max(widest, metrics.horizontalAdvance(item.Label() + item.KeyLabel()) + 23);
    }
    const QImage plain = Render(menu, nullptr);
    std::optional<int> keyColumn;
    for (QAction* action : menu.actions()) {
      SCOPED_TRACE(action->text().toStdString());
      const QRect place = menu.actionGeometry(action);
      if (action->isSeparator()) {
        EXPECT_EQ(place.height(), 6);
        continue;
      }
      const QImage image = Render(menu, action);
      EXPECT_EQ(BoundsOf(image, kMagenta, image.rect()), std::nullopt) << "magenta is see-through";
      const std::optional<QRect> frame = BoundsOf(image, CMenuCH::kHighlightFrame, image.rect());
      ASSERT_TRUE(frame);
      EXPECT_EQ(frame->left(), place.left() + 22);
      EXPECT_EQ(frame->right(), place.right());
      EXPECT_EQ(frame->height(), metrics.height() + 5);
      if (position == 0 && font_.pointSize() >= 8 && QFontInfo(font_).family() == "DejaVu Sans") {
        // (smaller blanks, or a wider face, widen it: below)
        EXPECT_EQ(place.width(), widest + CMenuCH::kCheckMarkAllowance)
            << "the widest item + 23, and the desktop's allowance";
      }
      const std::optional<QRect> fill = BoundsOf(image, CMenuCH::kHighlightFill, image.rect());
      ASSERT_TRUE(fill);
      EXPECT_EQ(*fill, frame->adjusted(1, 1, -1, -1));
      // The picture column shows what it shows unselected: a picture.
      const QRect pictures(place.left(), place.top(), 22, place.height());
      EXPECT_EQ(image.copy(pictures), plain.copy(pictures));
      EXPECT_LT(CountOf(image, menu.MenuColour().rgb(),
                        QRect(place.topLeft() + QPoint(2, 2), QSize(16, 16))),
                16 * 12);
      const QRect labelArea(place.left() + 28, place.top(), place.width() - 28, place.height());
      EXPECT_LE(RightmostInk(image, labelArea), place.right() - 2) << "inside the row";
      const CMenuItem& item = *menu.ItemOf(action);
      if (!item.HasKeyLabel()) continue;
      // Key labels line up 60 pixels (more for a large font) before the end
      // of the label rectangle, clear of their labels.
      const int column = place.right() + 5 - menu.KeyColumnWidth();
      const int key = LeftmostInk(image, QRect(column, place.top(), 40, place.height()));
      if (!keyColumn) keyColumn = key;
      EXPECT_EQ(key, *keyColumn);
      EXPECT_LE(key - column, 2 + std::max(0, metrics.leftBearing(item.KeyLabel().front())));
      const int labelEnd = labelArea.left() + metrics.horizontalAdvance(item.Label().trimmed());
      EXPECT_LE(labelEnd + menu.KeyGap(), column) << "the label ends a gap before its key label";
      EXPECT_LE(RightmostInk(image, labelArea), place.right() + 1 - menu.KeyGap())
          << "the key label ends a gap inside its row";
    }
  }
}

TEST_P(MenuCHTest, TheHighlightLeavesTheItemItMovesFrom) {
  CMenuCH& menu = Popup(1);
  QAction* first = menu.actions()[0];
  QAction* second = menu.actions()[1];
  const QImage plain = Render(menu, nullptr);
  Render(menu, first);
  const QImage moved = Render(menu, second);
  const QRect row = menu.actionGeometry(first);
  EXPECT_EQ(moved.copy(row), plain.copy(row));
  EXPECT_NE(moved.copy(menu.actionGeometry(second)), plain.copy(menu.actionGeometry(second)));
}

TEST_P(MenuCHTest, ASeparatorIsOneEtchedLine) {
  CMenuCH& menu = Popup(0);
  QAction* separator = menu.actions()[2];
  ASSERT_TRUE(separator->isSeparator());
  const QImage image = Render(menu, separator);
  const QRect place = menu.actionGeometry(separator);
  const QPalette& colours = menu.palette();
  for (int y = place.top(); y <= place.bottom(); ++y) {
    const QRgb expected = y == place.top() + 3   ? colours.color(QPalette::Dark).rgb()
                          : y == place.top() + 4 ? colours.color(QPalette::Light).rgb()
                                                 : menu.MenuColour().rgb();
    for (int x = place.left(); x <= place.right(); ++x) {
      ASSERT_EQ(image.pixel(x, y), expected) << x << "," << y;
    }
  }
}

// A wide face (URW Gothic, where it is installed) as well.
INSTANTIATE_TEST_SUITE_P(Fonts, MenuCHTest,
                         ::testing::Values(MenuFont{"DejaVu Sans", 6}, MenuFont{"DejaVu Sans", 8},
                                           MenuFont{"DejaVu Sans", 14}, MenuFont{"URW Gothic", 8}),
                         [](const ::testing::TestParamInfo<MenuFont>& info) {
                           return ::testing::PrintToString(info.param);
                         });

TEST(MenuCH, AnItemWithoutItsBitmapIsStillDrawn) {
  CMenuCH menu(QStringLiteral("Test"));
  QAction* action = menu.AppendItem(7, QStringLiteral("Missing\tCtrl+M"), 999);
  const CMenuItem& item = *menu.ItemOf(action);
  EXPECT_TRUE(item.Picture().isNull());
  EXPECT_EQ(item.Label(), QStringLiteral("Missing"));
  EXPECT_EQ(item.KeyLabel(), QStringLiteral("Ctrl+M"));
  for (bool selected : {false, true}) {
    QImage image(160, 24, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    CMenuItem copy = item;
    const QSize size = menu.MeasureItem(copy, false);
    menu.DrawItem(painter, QRect(QPoint(0, 0), size), item, false, selected);
    painter.end();
    EXPECT_EQ(BoundsOf(image, menu.MenuColour().rgb(), QRect(0, 0, 20, size.height())),
              QRect(0, 0, 20, size.height()))
        << "an empty picture column";
    EXPECT_GE(LeftmostInk(image, QRect(28, 0, 40, size.height())), 28) << "the label";
    EXPECT_GE(LeftmostInk(image, QRect(size.width() - 56, 0, 56, size.height())), 0) << "the key";
  }
}

TEST(MenuCH, PicturesAreDrawnFromTheirDoubleSizeVariantWhereAPointHasTwoPixels) {
  CMenuCH menu(QStringLiteral("Test"));
  const CMenuItem& item = *menu.ItemOf(menu.AppendItem(7, QStringLiteral("Find"), 170));
  QImage dense(2 * 60, 2 * 20, QImage::Format_ARGB32);
  dense.setDevicePixelRatio(2);
  {
    QPainter painter(&dense);
    menu.DrawItem(painter, QRect(0, 0, 60, 20), item, false, false);
  }
  const QImage doubled = LoadBitmapResource(170, 2).toImage();
  int compared = 0;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      if (qAlpha(doubled.pixel(x, y)) < 255) continue;
      ASSERT_EQ(dense.pixel(4 + x, 4 + y) | 0xff000000u, doubled.pixel(x, y)) << x << "," << y;
      ++compared;
    }
  }
  EXPECT_GT(compared, 200);
}

TEST(MenuCH, ItemsCarryNoMnemonicsAndKnowTheirCommand) {
  CMenuCH menu(QStringLiteral("Test"));
  menu.AppendItem(41, QStringLiteral("Launch"), 0);
  menu.AppendItem(42, QStringLiteral("Look & Feel"), 0);
  QSignalSpy triggered(&menu, &QMenu::triggered);
  menu.popup(QPoint(10, 10));
  QTest::keyClick(&menu, Qt::Key_L);
  QTest::keyClick(&menu, Qt::Key_F);
  EXPECT_EQ(triggered.count(), 0);
  EXPECT_EQ(menu.activeAction(), nullptr);
  EXPECT_EQ(menu.ItemOf(menu.actions()[1])->Label(), QStringLiteral("Look & Feel"));
  EXPECT_EQ(menu.CommandOf(menu.actions()[1]), 42);
  menu.close();
}

}  // namespace
}  // namespace vantrel
