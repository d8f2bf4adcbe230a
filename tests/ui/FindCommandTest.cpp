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
#include "RecordingShell.h"
#include "SearchUnitsDriver.h"
#include "expr/ErrorReport.h"
#include "support/TempDir.h"
#include "ui/AppContext.h"
#include "ui/ConverterDlg.h"
#include "ui/DialogTemplates.h"
#include "ui/kit/DropDownList.h"
#include "units/ResultCodes.h"

namespace vantrel {
namespace {

using testing::ClickMatch;
using testing::TypeSearch;

// What the main window shows.
struct Shown {
  QString category, from, to, output;
  bool operator==(const Shown&) const = default;
};

void PrintTo(const Shown& shown, std::ostream* out) {
  *out << (QStringList{shown.category, shown.from, shown.to, shown.output}.join(" | "))
              .toStdString();
}

class FindCommandTest : public ::testing::Test {
 protected:
  FindCommandTest() : context_(Profile(dir_ / "Mensura.ini"), shell_) {
    AddProgramTemplates(context_.templates);
    expr::set_math_diagnostic_stream(nullptr);
  }
  ~FindCommandTest() override { expr::set_math_diagnostic_stream(stderr); }

  // A start of the program on the same settings file, up to the end of the
  // start's own writes.
  CConverterDlg& Start() {
    window_.reset();
    window_ = std::make_unique<CConverterDlg>(context_);
    EXPECT_TRUE(window_->Create());
    EXPECT_TRUE(testing::ShowActive(*window_));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window_->windowIcon().isNull(); }, 5000));
    return *window_;
  }

  DropDownList* Categories() { return window_->DropDownItem(ids::kCategoryList); }
  Shown Now() {
    const ListBox* from = window_->ListBoxItem(ids::kInputUnitList);
    const ListBox* to = window_->ListBoxItem(ids::kOutputUnitList);
    return {Categories()->currentText(), from->GetText(from->GetCurSel()),
            to->GetText(to->GetCurSel()), window_->ItemText(ids::kOutputBox)};
  }
  QStringList CategoryEntries() {
    QStringList out;
    for (int i = 0; i < Categories()->GetCount(); ++i) out << Categories()->GetLBText(i);
    return out;
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
  // Ctrl+F, then the entry that the typed text leaves, and GO.
  std::vector<std::string> FindAndGo(const QString& typed, const QString& entry) {
    return Find([&](CSearchUnits& search) {
      TypeSearch(search, typed);
      ClickMatch(search, entry);
      QTest::mouseClick(search.ButtonItem(kIdOk), Qt::LeftButton);
    });
  }

  testing::TempDir dir_;
  testing::RecordingShell shell_;
  AppContext context_;
  std::unique_ptr<CConverterDlg> window_;
};

TEST_F(FindCommandTest, AUnitOfAHiddenCategoryIsShownOnBothSidesAndTheCategoryStaysVisible) {
  Start();
  ASSERT_FALSE(CategoryEntries().contains(QStringLiteral("Angular Velocity")));
  EXPECT_TRUE(
      FindAndGo(QStringLiteral("rad/d"), QStringLiteral("Angular Velocity >> radian/day [rad/d]"))
          .empty());
  const Shown expected{QStringLiteral("Angular Velocity"), QStringLiteral("radian/day"),
                       QStringLiteral("radian/day"), QStringLiteral("1")};
  EXPECT_EQ(Now(), expected);
  EXPECT_EQ(context_.profile.GetInt(L"Visibility", L"Angular Velocity", 0), 1);

  Start();
  EXPECT_TRUE(CategoryEntries().contains(QStringLiteral("Angular Velocity")));
}

TEST_F(FindCommandTest, CancelEscapeAndGoWithoutAChoiceChangeNothing) {
  const QString hidden = QStringLiteral("Angular Velocity >> radian/day [rad/d]");
  const std::function<void(CSearchUnits&)> ways[] = {
      [&](CSearchUnits& search) {
        ClickMatch(search, hidden);
        QTest::mouseClick(search.ButtonItem(kIdCancel), Qt::LeftButton);
      },
      [&](CSearchUnits& search) {
        ClickMatch(search, hidden);
        QTest::keyClick(search.ListBoxItem(ids::kMatchList), Qt::Key_Escape);
      },
      [&](CSearchUnits& search) {
        TypeSearch(search, QStringLiteral("rad/d"));
        QTest::keyClick(search.EditItem(ids::kSearchText), Qt::Key_Return);
      },
  };
  Start();
  const Shown before = Now();
  const std::string file = testing::ReadBytes(context_.profile.File());
  for (const auto& way : ways) {
    EXPECT_TRUE(Find(way).empty());
    EXPECT_EQ(Now(), before);
    EXPECT_EQ(testing::ReadBytes(context_.profile.File()), file);
  }
}

TEST_F(FindCommandTest, ShowsExactlyTheChosenCategoryAndUnitWhereAPrefixSearchWouldNot) {
  CConverterDlg& window = Start();
  CUnitCatalogue& catalogue = window.Catalogue();
  // "Angle" hidden behind a visible "Angle (Solid)"; "Meter" next to
  // "meter"; "distance" next to "Distance"; and a category of the user's
  // that bears the coordinate entries' name.
  catalogue.SetCategoryVisibility(L"Angle", 0);
  catalogue.SetCategoryVisibility(L"Angle (Solid)", 1);
  catalogue.SelectCategory(L"Distance");
  catalogue.AddUnit(L"Meter", L" ", 2, 0, 0, 1, 0);
  for (const wchar_t* name : {L"distance", L"Coordinate"}) {
    catalogue.AddCategory(name, 0, 1, 1);
    catalogue.SelectCategory(name);
    catalogue.AddUnit(L"grid", L" ", 1, 0, 0, 1, 0);
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
    EXPECT_TRUE(FindAndGo(c.typed, c.entry).empty());
    EXPECT_EQ(Now().category, c.category);
    EXPECT_EQ(Now().from, c.unit);
    EXPECT_EQ(Now().to, c.unit);
  }
}

TEST_F(FindCommandTest, ACoordinateEntryLeavesTheWindowAsItWas) {
  Start();
  const Shown before = Now();
  const std::vector<std::string> opened =
      FindAndGo(QStringLiteral("UTM"),
                QStringLiteral("Coordinate >> UTM (northing, easting, zone, hemisphere) "));
  EXPECT_EQ(Now(), before);
  // The coordinate converter, where there is one.
  EXPECT_LE(opened.size(), 1u);
  for (const std::string& dialog : opened) EXPECT_EQ(dialog, "vantrel::CCoordinates");
}

}  // namespace
}  // namespace vantrel
