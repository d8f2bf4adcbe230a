// The Units and Categories commands of the main window: what the window
// shows after their dialogs, and a user's own units on their whole road
// through the settings file to a restart and to vantrel-convert.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "CatalogueDialogFixture.h"
#include "WindowTest.h"
#include "cli/Run.h"
#include "ui/ConverterDlg.h"
#include "ui/CustomCategories.h"
#include "ui/CustomUnits.h"
#include "ui/ResourceIds.h"
#include "ui/kit/EditBox.h"
#include "ui/kit/ListBox.h"

namespace vantrel {
namespace {

using testing::Pick;

int Row(const ListBox* list, const QString& entry) {
  const QList<QListWidgetItem*> found = list->findItems(entry, Qt::MatchExactly);
  return found.isEmpty() ? -1 : list->row(found.front());
}

class CustomCommandsTest : public testing::WindowTest {
 protected:
  // A start of the program on the settings file, once the start's writes are done.
  CConverterDlg& Start() {
    WindowTest::Start();
    FinishStart();
    return *window_;
  }
  QString Shown() { return window_->ItemText(ids::kCategoryList); }

  // Runs the command; while its dialog is open, `act` drives it and `button`
  // (if any) is pressed; a dialog still open then is cancelled.
  template <class Dialog>
  void Run(int command, int button, const std::function<void(Dialog&)>& act) {
    bool driven = false;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      act(*dialog);
      if (button) dialog->ButtonItem(button)->click();
      driven = true;
      if (dialog->isVisible()) dialog->reject();
    });
    window_->OnCommand(command);
    EXPECT_TRUE(driven);
  }
  void Units(const QString& category, const QString& source, const QString& name, int button,
             const QString& coefficient = "1") {
    Run<CCustomUnits>(ids::kCmdUnits, button, [&](CCustomUnits& units) {
      Pick(units.DropDownItem(ids::kUnitCategoryList), category);
      if (!source.isEmpty()) Pick(units.DropDownItem(ids::kSourceUnitList), source);
      units.SetItemText(ids::kCoefficientEdit, coefficient);
      units.SetItemText(ids::kUnitNameEdit, name);
    });
  }
  void CategoriesCommand(const QString& name, int button) {
    Run<CCustomCategories>(ids::kCmdCategories, button, [&](CCustomCategories& categories) {
      categories.SetItemText(ids::kCategoryNameEdit, name);
      if (button == ids::kRemoveCategoryButton)
        Pick(categories.DropDownItem(ids::kRemovableCategoryList), name);
    });
  }
};

TEST_F(CustomCommandsTest, UnitsRefreshTheListsOnlyForAChangeInTheShownCategory) {
  Start();
  Pick(Categories(), "Distance");
  for (const bool shownCategory : {false, true}) {
    const QString unit = shownCategory ? "hand span" : "moment";
    From()->SetCurSel(3);
    To()->SetCurSel(5);
    Units(shownCategory ? "Distance" : "Time", {}, unit, ids::kAddUnitButton);
    EXPECT_EQ(Shown(), "Distance");
    EXPECT_EQ(window_->Catalogue().CurrentCategoryName(), "Distance");
    EXPECT_EQ(From()->GetCurSel(), shownCategory ? 0 : 3);
    EXPECT_EQ(To()->GetCurSel(), shownCategory ? 0 : 5);
    EXPECT_EQ(Row(From(), unit) >= 0, shownCategory);
  }
}

TEST_F(CustomCommandsTest, ACategoryAddedOrRemovedSelectsTheFirstCategory) {
  Start();
  for (const int button : {ids::kAddCategoryButton, ids::kRemoveCategoryButton, 0}) {
    Pick(Categories(), "Temperature");
    CategoriesCommand("Kitchen", button);
    EXPECT_EQ(Shown(), button ? "Acceleration" : "Temperature");
    EXPECT_EQ(window_->Catalogue().CurrentCategoryName(), Shown().toStdString());
    EXPECT_EQ(From()->GetText(0), button ? "centimeter/second²" : "degree Celsius");
    EXPECT_EQ(Categories()->findText("Kitchen") >= 0, button == ids::kAddCategoryButton);
  }
}

TEST_F(CustomCommandsTest, OwnUnitsLiveThroughARestartAndReachTheCommandLine) {
  Start().close();
  const std::string before = testing::ReadBytes(dir_ / "Mensura.ini");

  Start();
  CategoriesCommand("kitchen", ids::kAddCategoryButton);
  Units("Kitchen", {}, "cup", ids::kAddUnitButton);
  Units("Kitchen", "cup", "third cup", ids::kAddUnitButton, "1/3");
  Units("Distance", "foot", "third foot", ids::kAddUnitButton, "1/3");
  window_->close();

  // A new start reads them from the file, and so does vantrel-convert.
  Start();
  Pick(Categories(), "Distance");
  From()->SetCurSel(Row(From(), "third foot"));
  To()->SetCurSel(Row(To(), "foot"));
  window_->EditItem(ids::kInputBox)->setText("3");
  EXPECT_EQ(window_->ItemText(ids::kOutputBox), "1");
  const auto convert = [&](const cli::Arguments& args) {
    std::istringstream in;
    std::ostringstream out, err;
    const int status = cli::Run(args, dir_ / "Mensura.ini", in, out, err);
    return std::to_string(status) + " " + out.str() + err.str();
  };
  EXPECT_EQ(convert({"3", "third foot", "foot"}), "0 1\n");
  EXPECT_EQ(convert({"2", "cup", "third cup"}), "0 6\n");

  Units("Distance", "third foot", {}, ids::kRemoveUnitButton);
  CategoriesCommand("Kitchen", ids::kRemoveCategoryButton);
  window_->close();
  // Left behind: the visibility that every start writes for every category,
  // and the headers of the two sections the removals emptied.
  std::string after = testing::ReadBytes(dir_ / "Mensura.ini");
  for (const std::string left : {"Kitchen=1\n", "[CustomCategories]\n", "[CustomUnits]\n"}) {
    const auto at = after.find(left);
    ASSERT_NE(at, std::string::npos) << left;
    after.erase(at, left.size());
  }
  EXPECT_EQ(after, before);
}

}  // namespace
}  // namespace vantrel
