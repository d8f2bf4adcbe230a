// The window's own colours read on a light and on a dark palette, judged from
// pictures of what it draws.
#include <gtest/gtest.h>

#include <QMenuBar>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "Palettes.h"
#include "WindowTest.h"
#include "ui/AboutDlg.h"
#include "ui/HelpDialog.h"
#include "ui/MainMenu.h"
#include "ui/MenuCH.h"
#include "ui/kit/Contrast.h"
#include "ui/kit/RichEdit.h"

namespace vantrel {
namespace {

// The strongest contrast a pixel of the area has with the colour: the core
// of any text drawn there.
double StrongestContrast(const QImage& image, const QRect& area, const QColor& against) {
  double strongest = 1;
  const QRect within = area & image.rect();
  for (int y = within.top(); y <= within.bottom(); ++y) {
    for (int x = within.left(); x <= within.right(); ++x) {
      strongest = std::max(strongest, ContrastRatio(image.pixelColor(x, y), against));
    }
  }
  return strongest;
}

class PaletteTest : public testing::WindowTest, public ::testing::WithParamInterface<bool> {
 protected:
  testing::ScopedPalette palette_{GetParam()};
};

TEST_P(PaletteTest, AHighlightedMenuItemsTextReadsOnItsTint) {
  QMenuBar bar;
  BuildMainMenu(bar, QFont(QStringLiteral("DejaVu Sans"), 8));
  CMenuCH& menu = *MainMenuPopup(bar, 1);
  menu.resize(menu.sizeHint());
  for (QAction* action : menu.actions()) {
    if (action->isSeparator()) continue;
    SCOPED_TRACE(action->text().toStdString());
    menu.setActiveAction(action);
    const QImage image = menu.grab().toImage();
    const QRect row = menu.actionGeometry(action);
    // Inside the frame, right of the picture column.
    const QRect tint(row.left() + 23, row.top() + 1, row.width() - 24, row.height() - 2);
    EXPECT_GE(StrongestContrast(image, tint, QColor(CMenuCH::kHighlightFill)), kReadableContrast);
  }
}

// Every picture, the black ones too, stands out from the menu: each pixel of
// its edge is at most a pixel from one that contrasts with the menu colour.
TEST_P(PaletteTest, MenuPicturesStandOutFromTheMenu) {
  QMenuBar bar;
  BuildMainMenu(bar, QFont(QStringLiteral("DejaVu Sans"), 8));
  for (int position = 0; position < 3; ++position) {
    CMenuCH& menu = *MainMenuPopup(bar, position);
    menu.resize(menu.sizeHint());
    const QImage image = menu.grab().toImage();
    for (QAction* action : menu.actions()) {
      const QPixmap& picture = menu.ItemOf(action)->Picture();
      if (picture.isNull()) continue;
      SCOPED_TRACE(action->text().toStdString());
      const QImage shape = picture.toImage();
      const QPoint corner = menu.actionGeometry(action).topLeft() + QPoint(2, 2);
      int unseen = 0;
      for (int y = 0; y < CMenuCH::kPictureSide; ++y) {
        for (int x = 0; x < CMenuCH::kPictureSide; ++x) {
          const auto opaque = [&](int px, int py) {
            return shape.rect().contains(px, py) && qAlpha(shape.pixel(px, py)) != 0;
          };
          const bool edge = opaque(x, y) && !(opaque(x - 1, y) && opaque(x + 1, y) &&
                                              opaque(x, y - 1) && opaque(x, y + 1));
          if (!edge) continue;
          const QRect around(corner + QPoint(x - 1, y - 1), QSize(3, 3));
          unseen += StrongestContrast(image, around, menu.MenuColour()) < 3;
        }
      }
      EXPECT_EQ(unseen, 0);
    }
  }
}

TEST_P(PaletteTest, TheAboutLinkAndTheHelpFolderStayBlueAndRead) {
  CAboutDlg about(context_);
  ASSERT_TRUE(about.Create());
  QWidget* link = about.Item(ids::kProductLink);
  const QColor background = about.palette().color(QPalette::Window);
  const QColor blue = link->palette().color(QPalette::WindowText);
  EXPECT_GT(blue.blue(), std::max(blue.red(), blue.green()) + 60) << "a blue link";
  const QImage image = about.grab().toImage();
  EXPECT_GE(StrongestContrast(image, link->geometry(), background), kReadableContrast);

  CHelpDialog help(context_);
  ASSERT_TRUE(help.Create());
  const RichEdit& text = *help.ItemAs<RichEdit>(ids::kHelpText);
  QTextCursor folder(text.document());
  folder.setPosition(text.FindText(QString::fromStdString(dir_.path().string())) + 1);
  const QColor folderBlue = folder.charFormat().foreground().color();
  EXPECT_GT(folderBlue.blue(), std::max(folderBlue.red(), folderBlue.green()) + 60);
  EXPECT_GE(ContrastRatio(folderBlue, text.palette().color(QPalette::Base)), kReadableContrast);
}

INSTANTIATE_TEST_SUITE_P(LightAndDark, PaletteTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? "Dark" : "Light";
                         });

}  // namespace
}  // namespace vantrel
