#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <algorithm>
#include <memory>

#include "KitTestSupport.h"
#include "SearchUnitsDriver.h"
#include "WindowTest.h"
#include "ui/AppContext.h"
#include "ui/SearchUnits.h"
#include "ui/kit/ListSort.h"
#include "units/BuiltinCatalogue.h"
#include "units/ResultCodes.h"
#include "units/UnitCatalogue.h"

namespace vantrel {
namespace {

using testing::ClickMatch;
using testing::Matches;
using testing::TypeSearch;

const QString kDecimal = QStringLiteral("Coordinate >> latitude and longitude (decimal)");
const QString kDms =
    QStringLiteral("Coordinate >> latitude and longitude (degree, minute, second)");
const QString kUtm = QStringLiteral("Coordinate >> UTM (northing, easting, zone, hemisphere) ");

class SearchUnitsTest : public testing::WindowTest {
 protected:
  SearchUnitsTest() { BuildBuiltinCatalogue(catalogue_); }

  // A unit of the user's, kept in memory only.
  void AddCustomUnit(const std::string& category, const std::string& name) {
    catalogue_.SelectCategory(category);
    ASSERT_EQ(catalogue_.AddUnit(name, " ", 2.0, 0, 0, 1, 0), result::kDone);
  }

  CSearchUnits& Open() {
    dialog_ = std::make_unique<CSearchUnits>(context_);
    EXPECT_TRUE(dialog_->Create());
    return *dialog_;
  }

  CUnitCatalogue& catalogue_ = context_.catalogue;
  std::unique_ptr<CSearchUnits> dialog_;
};

TEST_F(SearchUnitsTest, OpensOnEveryUnitOfEveryCategorySortedWithTheFocusInTheSearchText) {
  catalogue_.AddCategory("Gait", 0, 1, 0);
  AddCustomUnit("Gait", "pace");
  AddCustomUnit("Distance", "smoot");
  ASSERT_EQ(catalogue_.SetCategoryVisibility("Gait", 0), result::kDone);
  catalogue_.SelectCategory("Pressure");

  CSearchUnits& dialog = Open();
  ASSERT_TRUE(testing::ShowActive(dialog));
  const QStringList entries = Matches(dialog);
  EXPECT_EQ(entries.size(), 1005 + 3 + 2);
  EXPECT_TRUE(
      std::is_sorted(entries.begin(), entries.end(),
                     [](const QString& a, const QString& b) { return CompareListText(a, b) < 0; }));
  for (const QString& entry :
       {kDecimal, kDms, kUtm, QStringLiteral("Distance >> meter [m]"),
        QStringLiteral("Angle >> circle"), QStringLiteral("Power >> MBH []"),
        QStringLiteral("Gait >> pace"), QStringLiteral("Distance >> smoot")}) {
    EXPECT_TRUE(entries.contains(entry)) << entry.toStdString();
  }
  EXPECT_EQ(QApplication::focusWidget(), dialog.Item(ids::kSearchText));
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Find"));
  // The main window's category stays where it was.
  EXPECT_EQ(catalogue_.CurrentCategoryName(), "Pressure");
}

TEST_F(SearchUnitsTest, EveryKeystrokeLeavesTheEntriesThatHoldTheTextFoldingOnlyAToZ) {
  AddCustomUnit("Distance", "\u00C9mile's pace");
  CSearchUnits& dialog = Open();
  const int all = static_cast<int>(Matches(dialog).size());
  const QStringList coordinates{kDecimal, kDms, kUtm};
  struct Case {
    QString typed;
    QStringList expected;  // empty: only checked to hold the text
    int count;
  };
  const Case cases[] = {
      {QStringLiteral("coordinate"), coordinates, 3},
      {QStringLiteral("COORDINATE"), coordinates, 3},
      {QStringLiteral("cOoRdInAtE >> "), coordinates, 3},
      // An abbreviation finds its unit, whose name does not hold it.
      {QStringLiteral("[cm/s\u00B2]"),
       {QStringLiteral("Acceleration >> centimeter/second\u00B2 [cm/s\u00B2]")},
       1},
      {QStringLiteral("\u00E9mile"), {}, 0},
      {QStringLiteral("\u00C9MILE"), {QStringLiteral("Distance >> \u00C9mile's pace")}, 1},
      {QStringLiteral(" >> "), {}, all},
      {QString(), {}, all},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed.toStdString());
    TypeSearch(dialog, c.typed);
    const QStringList shown = Matches(dialog);
    EXPECT_EQ(shown.size(), c.count);
    if (!c.expected.isEmpty()) {
      EXPECT_EQ(shown, c.expected);
    }
  }
}

TEST_F(SearchUnitsTest, GoEnterAndDoubleClickTakeTheCategoryAndTheWholeUnitName) {
  // Names the text cannot be cut back into: brackets in a unit's own name,
  // and a category of the user's named as the coordinate entries are.
  AddCustomUnit("Distance", "rod [old]");
  catalogue_.AddCategory("Coordinate", 0, 1, 1);
  AddCustomUnit("Coordinate", "grid");
  struct Case {
    QString typed, entry, category, unit;
    bool coordinates;
  };
  const Case cases[] = {
      {QStringLiteral("meter [m"), QStringLiteral("Distance >> meter [m]"),
       QStringLiteral("Distance"), QStringLiteral("meter"), false},
      {QStringLiteral("circle"), QStringLiteral("Angle >> circle"), QStringLiteral("Angle"),
       QStringLiteral("circle"), false},
      {QStringLiteral("utm"), kUtm, QStringLiteral("Coordinate"),
       QStringLiteral("UTM (northing, easting, zone, hemisphere) "), true},
      {QStringLiteral("rod"), QStringLiteral("Distance >> rod [old]"), QStringLiteral("Distance"),
       QStringLiteral("rod [old]"), false},
      {QStringLiteral("grid"), QStringLiteral("Coordinate >> grid"), QStringLiteral("Coordinate"),
       QStringLiteral("grid"), false},
  };
  enum class Way { kGo, kEnter, kDoubleClick };
  for (const Case& c : cases) {
    for (Way way : {Way::kGo, Way::kEnter, Way::kDoubleClick}) {
      SCOPED_TRACE(c.entry.toStdString() + " by way " + std::to_string(static_cast<int>(way)));
      CSearchUnits& dialog = Open();
      ASSERT_TRUE(testing::ShowActive(dialog));
      TypeSearch(dialog, c.typed);
      const int row = static_cast<int>(Matches(dialog).indexOf(c.entry));
      ListBox* list = dialog.ListBoxItem(ids::kMatchList);
      ClickMatch(dialog, c.entry);
      if (way == Way::kGo) {
        QTest::mouseClick(dialog.ButtonItem(kIdOk), Qt::LeftButton);
      } else if (way == Way::kEnter) {
        QTest::keyClick(list, Qt::Key_Return);
      } else {
        // The second press of a double click (the first was the click).
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                           testing::MatchPoint(dialog, c.entry));
      }
      EXPECT_EQ(dialog.result(), QDialog::Accepted);
      EXPECT_GE(row, 0);
      EXPECT_EQ(dialog.ChosenIndex(), row);
      EXPECT_EQ(dialog.ChosenCategory(), c.category);
      EXPECT_EQ(dialog.ChosenUnit(), c.unit);
      EXPECT_EQ(dialog.ChoseCoordinates(), c.coordinates);
    }
  }
}

TEST_F(SearchUnitsTest, GoWithoutASelectionClosesWithoutAChoice) {
  CSearchUnits& dialog = Open();
  ASSERT_TRUE(testing::ShowActive(dialog));
  TypeSearch(dialog, QStringLiteral("meter"));
  QTest::keyClick(dialog.EditItem(ids::kSearchText), Qt::Key_Return);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.ChosenIndex(), -1);
  EXPECT_TRUE(dialog.ChosenCategory().isEmpty());
}

TEST_F(SearchUnitsTest, FollowsTheDialogFontRule) {
  context_.dialogFont = {1, "DejaVu Serif", 12};
  const CSearchUnits& dialog = Open();
  EXPECT_EQ(dialog.font().family(), QStringLiteral("DejaVu Serif"));
  EXPECT_EQ(dialog.font().pointSize(), 12);

  AppContext bare(Profile(dir_ / "Other.ini"), shell_);
  CSearchUnits missing(bare);
  EXPECT_EQ(missing.DoModal(), -1);
  EXPECT_FALSE(missing.isVisible());
}

}  // namespace
}  // namespace vantrel
