// The Units and Categories commands of the main window: what the window
// shows again after their dialogs, and the whole road of a user's own units
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

#include "RecordingShell.h"
#include "cli/Run.h"
#include "expr/ErrorReport.h"
#include "support/TempDir.h"
#include "ui/AppContext.h"
#include "ui/ConverterDlg.h"
#include "ui/CustomCategories.h"
#include "ui/CustomUnits.h"
#include "ui/DialogTemplates.h"
#include "ui/ResourceIds.h"
#include "ui/kit/DropDownList.h"
#include "ui/kit/EditBox.h"
#include "ui/kit/ListBox.h"

namespace vantrel {
namespace {

using testing::ReadBytes;
using testing::RecordingShell;
using testing::TempDir;

void Pick(DropDownList* list, const QString& entry) {
  const int index = list->findText(entry);
  ASSERT_GE(index, 0) << entry.toStdString();
  list->setCurrentIndex(index);
}

int Row(const ListBox* list, const QString& entry) {
  const QList<QListWidgetItem*> found = list->findItems(entry, Qt::MatchExactly);
  return found.isEmpty() ? -1 : list->row(found.front());
}

class CustomCommandsTest : public ::testing::Test {
 protected:
  CustomCommandsTest() : context_(Profile(dir_ / "Mensura.ini"), shell_) {
    AddProgramTemplates(context_.templates);
    expr::set_math_diagnostic_stream(nullptr);
  }
  ~CustomCommandsTest() override { expr::set_math_diagnostic_stream(stderr); }

  // A start of the program on the settings file, once the start's writes are done.
  CConverterDlg& Start() {
    dialog_.reset();
    dialog_ = std::make_unique<CConverterDlg>(context_);
    EXPECT_TRUE(dialog_->Create());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog_->windowIcon().isNull(); }, 5000));
    return *dialog_;
  }
  DropDownList* Categories() { return dialog_->DropDownItem(ids::kCategoryList); }
  ListBox* From() { return dialog_->ListBoxItem(ids::kInputUnitList); }
  ListBox* To() { return dialog_->ListBoxItem(ids::kOutputUnitList); }
  QString Shown() { return Categories()->GetLBText(Categories()->GetCurSel()); }

  // Runs the command; `act` drives its dialog, which is cancelled if still open.
  template <class Dialog>
  void Run(int command, const std::function<void(Dialog&)>& act) {
    bool driven = false;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      act(*dialog);
      driven = true;
      if (dialog->isVisible()) dialog->reject();
    });
    dialog_->OnCommand(command);
    EXPECT_TRUE(driven);
  }
  void AddUnit(const QString& category, const QString& source, const QString& coefficient,
               const QString& name) {
    Run<CCustomUnits>(ids::kCmdUnits, [&](CCustomUnits& units) {
      Pick(units.DropDownItem(ids::kUnitCategoryList), category);
      if (!source.isEmpty()) Pick(units.DropDownItem(ids::kSourceUnitList), source);
      units.SetItemText(ids::kCoefficientEdit, coefficient);
      units.SetItemText(ids::kUnitNameEdit, name);
      units.ButtonItem(ids::kAddUnitButton)->click();
    });
  }
  void RemoveUnit(const QString& category, const QString& unit) {
    Run<CCustomUnits>(ids::kCmdUnits, [&](CCustomUnits& units) {
      Pick(units.DropDownItem(ids::kUnitCategoryList), category);
      Pick(units.DropDownItem(ids::kSourceUnitList), unit);
      units.ButtonItem(ids::kRemoveUnitButton)->click();
    });
  }
  void AddCategory(const QString& name) {
    Run<CCustomCategories>(ids::kCmdCategories, [&](CCustomCategories& categories) {
      categories.SetItemText(ids::kCategoryNameEdit, name);
      categories.ButtonItem(ids::kAddCategoryButton)->click();
    });
  }
  void RemoveCategory(const QString& name) {
    Run<CCustomCategories>(ids::kCmdCategories, [&](CCustomCategories& categories) {
      Pick(categories.DropDownItem(ids::kRemovableCategoryList), name);
      categories.ButtonItem(ids::kRemoveCategoryButton)->click();
    });
  }

  TempDir dir_;
  RecordingShell shell_;
  AppContext context_;
  std::unique_ptr<CConverterDlg> dialog_;
};

TEST_F(CustomCommandsTest, UnitsRefreshTheListsOnlyForAChangeInTheShownCategory) {
  Start();
  Pick(Categories(), QStringLiteral("Distance"));
  const struct {
    QString category, unit;
    bool refreshed;
  } cases[] = {
      {QStringLiteral("Time"), QStringLiteral("moment"), false},
      {QStringLiteral("Distance"), QStringLiteral("hand span"), true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.category.toStdString());
    From()->SetCurSel(3);
    To()->SetCurSel(5);
    AddUnit(c.category, {}, QStringLiteral("2"), c.unit);
    EXPECT_EQ(Shown(), QStringLiteral("Distance"));
    EXPECT_EQ(dialog_->Catalogue().CurrentCategoryName(), L"Distance");
    EXPECT_EQ(From()->GetCurSel(), c.refreshed ? 0 : 3);
    EXPECT_EQ(To()->GetCurSel(), c.refreshed ? 0 : 5);
    EXPECT_EQ(From()->findItems(c.unit, Qt::MatchExactly).size(), c.refreshed ? 1 : 0);
  }
}

TEST_F(CustomCommandsTest, ACategoryAddedOrRemovedSelectsTheFirstCategory) {
  Start();
  const std::function<void()> steps[] = {
      [&] { AddCategory(QStringLiteral("kitchen")); },
      [&] { RemoveCategory(QStringLiteral("Kitchen")); },
  };
  for (const auto& step : steps) {
    Pick(Categories(), QStringLiteral("Temperature"));
    step();
    EXPECT_EQ(Categories()->GetCurSel(), 0);
    EXPECT_EQ(dialog_->Catalogue().CurrentCategoryName(), Shown().toStdWString());
    EXPECT_EQ(From()->GetText(0), QStringLiteral("centimeter/second²"));
  }
  EXPECT_EQ(Categories()->findText(QStringLiteral("Kitchen")), -1);

  // Nothing changed: the window keeps its category.
  Pick(Categories(), QStringLiteral("Temperature"));
  Run<CCustomCategories>(ids::kCmdCategories, [](CCustomCategories&) {});
  EXPECT_EQ(Shown(), QStringLiteral("Temperature"));
  EXPECT_EQ(dialog_->Catalogue().CurrentCategoryName(), L"Temperature");
}

TEST_F(CustomCommandsTest, OwnUnitsLiveThroughARestartAndReachTheCommandLine) {
  Start().close();
  const std::string before = ReadBytes(dir_ / "Mensura.ini");

  Start();
  AddCategory(QStringLiteral("kitchen"));
  AddUnit(QStringLiteral("Kitchen"), {}, QStringLiteral("1"), QStringLiteral("cup"));
  AddUnit(QStringLiteral("Kitchen"), QStringLiteral("cup"), QStringLiteral("1/3"),
          QStringLiteral("third cup"));
  AddUnit(QStringLiteral("Distance"), QStringLiteral("foot"), QStringLiteral("1/3"),
          QStringLiteral("third foot"));
  dialog_->close();

  // The new start reads them from the file, and so does vantrel-convert.
  Start();
  Pick(Categories(), QStringLiteral("Distance"));
  From()->SetCurSel(Row(From(), QStringLiteral("third foot")));
  To()->SetCurSel(Row(To(), QStringLiteral("foot")));
  dialog_->EditItem(ids::kInputBox)->setText(QStringLiteral("3"));
  EXPECT_EQ(dialog_->ItemText(ids::kOutputBox), QStringLiteral("1"));
  const auto convert = [&](const cli::Arguments& args) {
    std::istringstream in;
    std::ostringstream out, err;
    const int status = cli::Run(args, dir_ / "Mensura.ini", in, out, err);
    return std::to_string(status) + " " + out.str() + err.str();
  };
  EXPECT_EQ(convert({"3", "third foot", "foot"}), "0 1\n");
  // Stored with eight digits (0.33333333), as the file has always held them.
  EXPECT_EQ(convert({"2", "cup", "third cup"}), "0 6.0000001\n");

  RemoveUnit(QStringLiteral("Distance"), QStringLiteral("third foot"));
  RemoveCategory(QStringLiteral("Kitchen"));
  dialog_->close();
  // Left behind: the visibility that every start writes for every category,
  // and the headers of the two sections the removals emptied.
  std::string after = ReadBytes(dir_ / "Mensura.ini");
  for (const std::string left : {"Kitchen=1\n", "[CustomCategories]\n", "[CustomUnits]\n"}) {
    const auto at = after.find(left);
    ASSERT_NE(at, std::string::npos) << left;
    after.erase(at, left.size());
  }
  EXPECT_EQ(after, before);
}

}  // namespace
}  // namespace vantrel
