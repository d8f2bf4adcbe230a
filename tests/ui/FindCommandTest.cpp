// The Find command: the find dialog's choice shown in the main window.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "KitTestSupport.h"
#include "SearchUnitsDriver.h"
#include "WindowTest.h"
#include "support/TempDir.h"
#include "ui/ConverterDlg.h"
#include "ui/kit/DropDownList.h"

namespace vantrel {
namespace {

using testing::ClickMatch;
using testing::TypeSearch;

using testing::Shown;

class FindCommandTest : public testing::WindowTest {
 protected:
  // A start of the program on the same settings file, up to the end of the
  // start's own writes.
  CConverterDlg& Start() {
    CConverterDlg& window = WindowTest::Start();
    EXPECT_TRUE(testing::ShowActive(window));
    FinishStart();
    return window;
  }

  // Ctrl+F, with `drive` working the find dialog once it is up. Any other
  // dialog the command opens is closed at once and named in the result.
  std::vector<std::string> Find(const std::function<void(CSearchUnits&)>& drive) {
    std::vector<std::string> others;
    bool searched = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      auto* search = qobject_cast<CSearchUnits*>(modal);
      if (search && !searched) {
        searched = true;
        drive(*search);
        if (search->isVisible()) search->reject();
      } else if (modal && !search) {
        others.push_back(modal->metaObject()->className());
        modal->close();
      }
    });
    watch.start(5);
    QTest::keyClick(window_->EditItem(ids::kInputBox), Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(searched) << "Ctrl+F opened no find dialog";
    return others;
  }
  // Ctrl+F, the text typed, the entry clicked (none when empty), and the
  // button pressed (0: Escape instead).
  std::vector<std::string> Choose(const QString& typed, const QString& entry, int button = kIdOk) {
    return Find([&](CSearchUnits& search) {
      TypeSearch(search, typed);
      if (!entry.isEmpty()) ClickMatch(search, entry);
      if (button) {
        QTest::mouseClick(search.ButtonItem(button), Qt::LeftButton);
      } else {
        QTest::keyClick(search.ListBoxItem(ids::kMatchList), Qt::Key_Escape);
      }
    });
  }
};

TEST_F(FindCommandTest, ShowsExactlyTheChosenUnitOnBothSidesAndAHiddenCategoryForGood) {
  CConverterDlg& window = Start();
  CUnitCatalogue& catalogue = window.Catalogue();
  // "Angle" hidden behind a visible "Angle (Solid)"; "Meter" next to
  // "meter"; "distance" next to "Distance"; and a category of the user's
  // that bears the coordinate entries' name.
  catalogue.SetCategoryVisibility("Angle", 0);
  catalogue.SetCategoryVisibility("Angle (Solid)", 1);
  catalogue.SelectCategory("Distance");
  catalogue.AddUnit("Meter", " ", 2, 0, 0, 1, 0);
  for (const char* name : {"distance", "Coordinate"}) {
    catalogue.AddCategory(name, 0, 1, 1);
    catalogue.SelectCategory(name);
    catalogue.AddUnit("grid", " ", 1, 0, 0, 1, 0);
  }
  window.FillCategoryCombo();
  window.OnSelectCategory();
  // Pairs that the lists' prefix search mistakes.
  const auto prefixFinds = [&](const QString& name) {
    return Categories()->GetLBText(Categories()->FindStringPrefix(-1, name));
  };
  ASSERT_EQ(prefixFinds(QStringLiteral("Angle")), QStringLiteral("Angle (Solid)"));
  ASSERT_EQ(prefixFinds(QStringLiteral("distance")), QStringLiteral("Distance"));

  struct Case {
    QString typed, entry, category, unit;
  };
  const Case cases[] = {
      {QStringLiteral("circle"), QStringLiteral("Angle >> circle"), QStringLiteral("Angle"),
       QStringLiteral("circle")},
      {QStringLiteral("meter [m]"), QStringLiteral("Distance >> meter [m]"),
       QStringLiteral("Distance"), QStringLiteral("meter")},
      {QStringLiteral("grid"), QStringLiteral("distance >> grid"), QStringLiteral("distance"),
       QStringLiteral("grid")},
      {QStringLiteral("grid"), QStringLiteral("Coordinate >> grid"), QStringLiteral("Coordinate"),
       QStringLiteral("grid")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry.toStdString());
    EXPECT_TRUE(Choose(c.typed, c.entry).empty());
    EXPECT_EQ(Now(), (Shown{c.category, c.unit, c.unit, QStringLiteral("1")}));
  }
  EXPECT_EQ(context_.profile.GetInt("Visibility", "Angle", 0), 1);
  Start();
  EXPECT_GE(Categories()->FindText(QStringLiteral("Angle")), 0);
}

TEST_F(FindCommandTest, CancelEscapeGoWithoutAChoiceAndACoordinateEntryChangeNothing) {
  const QString hidden = QStringLiteral("Angular Velocity >> radian/day [rad/d]");
  const QString utm = QStringLiteral("Coordinate >> UTM (northing, easting, zone, hemisphere) ");
  struct Way {
    QString typed, entry;
    int button;
  };
  const Way ways[] = {{QString(), hidden, kIdCancel},
                      {QString(), hidden, 0},
                      {QStringLiteral("rad/d"), QString(), kIdOk},
                      {QStringLiteral("utm"), utm, kIdOk}};
  Start();
  const Shown before = Now();
  const std::string file = testing::ReadBytes(context_.profile.File());
  for (const Way& way : ways) {
    SCOPED_TRACE((way.typed + way.entry).toStdString());
    // A coordinate entry opens the coordinate converter, where there is one.
    for (const std::string& opened : Choose(way.typed, way.entry, way.button)) {
      EXPECT_EQ(opened, "vantrel::CCoordinates");
    }
    EXPECT_EQ(Now(), before);
    EXPECT_EQ(testing::ReadBytes(context_.profile.File()), file);
  }
}

}  // namespace
}  // namespace vantrel
