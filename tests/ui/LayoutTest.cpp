// Every dialog at the scale and text resolution the tests run under (ctest
// runs this file again at scales 1.5 and 2, and at 120 and 144 dots per
// inch, and in each language; scripts/test.sh under other fonts): as large as
// its template in its font's dialog units, its controls inside it and no text
// cut; the window on its screen.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <functional>
#include <memory>

#include "TextFit.h"
#include "WindowTest.h"
#include "ui/AboutDlg.h"
#include "ui/Coordinates.h"
#include "ui/CustomCategories.h"
#include "ui/CustomUnits.h"
#include "ui/HelpDialog.h"
#include "ui/SearchUnits.h"
#include "ui/kit/ScreenPlace.h"

namespace vantrel {
namespace {

using LayoutTest = testing::WindowTest;

TEST_F(LayoutTest, EveryDialogGrowsWithItsFontAndCutsNoText) {
  CConverterDlg& main = Start();
  const std::vector<std::function<std::unique_ptr<TemplateDialog>()>> tools = {
      [&] { return std::make_unique<CSearchUnits>(context_); },
      [&] { return std::make_unique<CCustomUnits>(context_); },
      [&] { return std::make_unique<CCustomCategories>(context_); },
      [&] { return std::make_unique<CCoordinates>(context_); },
      [&] { return std::make_unique<CHelpDialog>(context_); },
      [&] { return std::make_unique<CAboutDlg>(context_); },
  };
  std::vector<std::unique_ptr<TemplateDialog>> dialogs;
  for (const auto& make : tools) {
    dialogs.push_back(make());
    ASSERT_TRUE(dialogs.back()->Create());
  }
  std::vector<TemplateDialog*> all{&main};
  for (const auto& dialog : dialogs) all.push_back(dialog.get());
  for (TemplateDialog* dialog : all) {
    const DialogTemplate& layout = dialog->Template();
    SCOPED_TRACE(dialog->windowTitle().toStdString());
    const QRect client(0, dialog->ClientTop(), dialog->width(),
                       dialog->height() - dialog->ClientTop());
    EXPECT_EQ(client.size(), dialog->MapDialogRect(QRect(0, 0, layout.cx, layout.cy)).size());
    for (QWidget* control : dialog->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
      if (!control->objectName().startsWith(QLatin1String("item"))) continue;
      SCOPED_TRACE(control->objectName().toStdString());
      EXPECT_TRUE(client.contains(control->geometry()));
      testing::ExpectTextFits(*control);
    }
  }
}

TEST(Placement, AWindowIsMovedInJustEnoughToLieOnItsScreen) {
  const QRect screen(0, 0, 640, 512);
  const struct {
    QRect frame;
    QRect screen;
    QPoint place;
  } cases[] = {
      {{150, 150, 400, 300}, screen, {150, 150}},              // fits where it is
      {{150, 150, 600, 420}, screen, {40, 92}},                // moved in across and down
      {{150, 150, 700, 600}, screen, {0, 0}},                  // larger: its top-left on it
      {{-20, 600, 100, 100}, screen, {0, 412}},                // off the top-left side
      {{150, 150, 400, 300}, {640, 0, 800, 600}, {640, 150}},  // a second screen
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MovedOnto(c.frame, c.screen), c.place) << c.frame.x() << "," << c.frame.y();
  }
}

// At (150, 150), unless that would leave part of it off its screen.
TEST_F(LayoutTest, TheWindowStartsAt150x150OrJustInsideItsScreen) {
  CConverterDlg& main = Start();
  FinishStart();
  const QRect frame = main.frameGeometry();
  const QRect screen = main.screen()->availableGeometry();
  EXPECT_TRUE(screen.contains(frame) || frame.topLeft() == screen.topLeft());
  EXPECT_EQ(frame.topLeft(), MovedOnto(QRect(QPoint(150, 150), frame.size()), screen));
}

}  // namespace
}  // namespace vantrel
