// What a dialog gets from its template and the kit: routes for what its
// controls report, radio groups, access keys and names, data exchange and
// room for a menu bar.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMenuBar>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <vector>

#include "KitTestSupport.h"
#include "RecordingShell.h"
#include "ui/DialogTemplates.h"
#include "ui/ResourceIds.h"
#include "ui/kit/DataExchange.h"
#include "ui/kit/EditBox.h"
#include "ui/kit/ListBox.h"
#include "ui/kit/ListView.h"
#include "ui/kit/StaticText.h"
#include "ui/kit/TemplateDialog.h"
#include "ui/kit/TemplateRules.h"

namespace vantrel {
namespace {

using testing::RecordingShell;

constexpr int kOptions = 600;
const PreferredFont kPlainFont;

DialogTemplate OptionsTemplate() {
  using K = ControlKind;
  DialogTemplate options{kOptions, "Options", 220, 150, "DejaVu Sans", 9, kSysMenu, {}};
  options.controls = {
      {kIdStatic, K::kGroupBox, "Mode", 5, 5, 100, 58, kNoStyle},
      {20, K::kRadioButton, "&First", 10, 15, 60, 10, kGroup | kTabStop},
      {21, K::kRadioButton, "Second", 10, 27, 60, 10, kNoStyle},
      {22, K::kRadioButton, "Red", 10, 39, 60, 10, kGroup | kTabStop},
      {23, K::kRadioButton, "Blue", 10, 51, 60, 10, kNoStyle},
      {24, K::kCheckBox, "&Keep", 110, 10, 60, 10, kGroup | kTabStop},
      {kIdStatic, K::kText, "&Count:", 110, 27, 40, 8, kNoStyle},
      {25, K::kEdit, "", 150, 25, 60, 12, kTabStop},
      {26, K::kEdit, "", 150, 40, 60, 12, kTabStop},
      {27, K::kListBox, "", 10, 75, 90, 40, kNotify | kTabStop},
      {28, K::kListView, "", 110, 75, 100, 40, kTabStop},
      {kIdStatic, K::kGroupBox, "Below ", 5, 118, 210, 28, kNoStyle},
      {29, K::kEdit, "", 10, 128, 80, 12, kTabStop},
      {30, K::kPushButton, "&Apply", 110, 128, 40, 14, kTabStop},
      {1, K::kDefPushButton, "OK", 170, 128, 40, 14, kTabStop},
      // Labels placed after their controls, as in a main window.
      {kIdStatic, K::kText, "Name", 110, 42, 35, 8, kNoStyle},
      {kIdStatic, K::kText, "Items", 10, 65, 40, 8, kNoStyle},
  };
  return options;
}

DialogTemplateRegistry OptionsRegistry() { return testing::RegistryOf({OptionsTemplate()}); }

// Records the routes that ran, and binds its controls to members.
class OptionsDialog : public TemplateDialog {
 public:
  OptionsDialog(const DialogTemplateRegistry& registry, Shell* shell)
      : TemplateDialog(registry, kOptions, kPlainFont) {
    SetShell(shell);
    const auto note = [this](const char* what) { return [this, what] { heard.push_back(what); }; };
    AddRoutes({{30, Notification::kClicked, note("apply")},
               {25, Notification::kChanged, note("count changed")},
               {27, Notification::kSelChange, note("list selection")},
               {27, Notification::kDblClk, note("list double click")},
               {28, Notification::kChanged, note("view tick")},
               {29, Notification::kSetFocus, note("below focused")},
               {24, Notification::kClicked, note("keep clicked")},
               {77, Notification::kClicked, note("menu command")}});
  }

  std::vector<std::string> heard;
  int oks = 0;
  QString name = QStringLiteral("alpha");
  int count = 3;
  int keep = 1;
  int mode = 1;
  int colour = -1;

 protected:
  void OnOK() override { ++oks; }
  void DoDataExchange(DataExchange& dx) override {
    dx.Text(26, name);
    dx.Int(25, count);
    dx.Check(24, keep);
    dx.Radio(20, mode);
    dx.Radio(22, colour);
  }
};

class TemplateDialogTest : public ::testing::Test {
 protected:
  TemplateDialogTest() : dialog_(registry_, &shell_) { EXPECT_TRUE(dialog_.Create()); }

  DialogTemplateRegistry registry_ = OptionsRegistry();
  RecordingShell shell_;
  OptionsDialog dialog_;
};

TEST_F(TemplateDialogTest, RoutesWhatEachControlReportsToItsHandler) {
  auto* list = dialog_.ListBoxItem(27);
  auto* view = dialog_.ItemAs<ListView>(28);
  for (const char* entry : {"a", "b"}) list->AddString(QString::fromLatin1(entry));
  view->SetCheckBoxes(true);
  view->InsertItem(QStringLiteral("x"));
  ASSERT_TRUE(testing::ShowActive(dialog_));

  QTest::mouseClick(dialog_.ButtonItem(30), Qt::LeftButton);
  QTest::keyClicks(dialog_.EditItem(25), QStringLiteral("7"));
  const QPoint second = list->visualItemRect(list->item(1)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second);
  view->setCurrentRow(0);
  QTest::keyClick(view, Qt::Key_Space);
  dialog_.Item(29)->setFocus(Qt::TabFocusReason);
  QTest::keyClick(dialog_.ButtonItem(24), Qt::Key_Space);
  auto* action = new QAction(QStringLiteral("Command"), &dialog_);
  dialog_.BindCommand(action, 77);
  action->trigger();
  EXPECT_EQ(dialog_.heard, (std::vector<std::string>{
                               "apply", "count changed", "list selection", "list double click",
                               "view tick", "below focused", "keep clicked", "menu command"}));

  // Unrouted button 1 is OK; ids without a route run nothing.
  QTest::mouseClick(dialog_.ButtonItem(1), Qt::LeftButton);
  EXPECT_EQ(dialog_.oks, 1);
  EXPECT_FALSE(dialog_.OnCommand(4242));
  EXPECT_FALSE(dialog_.OnCommand(30, Notification::kDblClk));
  dialog_.SetItemText(29, QStringLiteral("no route for a change here"));
  EXPECT_EQ(dialog_.heard.size(), 8u);
}

TEST_F(TemplateDialogTest, RadiosExcludeEachOtherOnlyWithinTheirTemplateGroup) {
  const auto checked = [&] {
    std::vector<int> ids;
    for (int id : {20, 21, 22, 23}) {
      if (dialog_.IsDlgButtonChecked(id)) ids.push_back(id);
    }
    return ids;
  };
  dialog_.show();
  QTest::mouseClick(dialog_.ButtonItem(20), Qt::LeftButton);
  QTest::mouseClick(dialog_.ButtonItem(23), Qt::LeftButton);
  EXPECT_EQ(checked(), (std::vector<int>{20, 23})) << "two groups, one choice each";
  QTest::mouseClick(dialog_.ButtonItem(21), Qt::LeftButton);
  EXPECT_EQ(checked(), (std::vector<int>{21, 23}));
  QTest::mouseClick(dialog_.ButtonItem(21), Qt::LeftButton);
  EXPECT_EQ(checked(), (std::vector<int>{21, 23})) << "a click never clears a radio";
  dialog_.CheckDlgButton(23, 0);
  EXPECT_EQ(checked(), (std::vector<int>{21})) << "the program may clear a group";
  EXPECT_EQ(dialog_.ButtonItem(24)->group(), nullptr) << "a check box is in no radio group";
}

TEST_F(TemplateDialogTest, AccessKeysOfStaticsReachTheNextControlThatTakesTheFocus) {
  for (StaticText* label : dialog_.findChildren<StaticText*>()) {
    EXPECT_EQ(label->buddy(),
              label->Text() == QStringLiteral("&Count:") ? dialog_.Item(25) : nullptr)
        << label->Text().toStdString();
  }
  ASSERT_TRUE(testing::ShowActive(dialog_));
  dialog_.Item(29)->setFocus();
  QTest::keyClick(&dialog_, Qt::Key_C, Qt::AltModifier);
  EXPECT_EQ(QApplication::focusWidget(), dialog_.Item(25));
  QTest::keyClick(&dialog_, Qt::Key_A, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] { return dialog_.heard.back() == "apply"; }))
      << "a button's own access key presses it";
}

TEST_F(TemplateDialogTest, ControlsAreNamedByTheirLabels) {
  const struct {
    int id;
    const char* name;
  } cases[] = {
      {20, "First"},                  // its own text
      {24, "Keep"},  {25, "Count:"},  // the static before it
      {26, "Name"},                   // the static left of it, after it in the template
      {27, "Items"},                  // the static above it
      {29, "Below"},                  // the frame around it
  };
  for (const auto& c : cases) {
    EXPECT_EQ(QAccessible::queryAccessibleInterface(dialog_.Item(c.id))->text(QAccessible::Name),
              QString::fromLatin1(c.name))
        << c.id;
  }
  // The main window: a drop-down counts by its field, a picture only by the
  // template's name for it.
  const DialogTemplate main = MainDialogTemplate();
  const auto labelOf = [&](int id) {
    const auto at = std::find_if(main.controls.begin(), main.controls.end(),
                                 [&](const ControlTemplate& control) { return control.id == id; });
    return ControlLabel(main, static_cast<int>(at - main.controls.begin()));
  };
  EXPECT_EQ(labelOf(ids::kCategoryList), QStringLiteral("Select Category"));
  EXPECT_EQ(labelOf(ids::kInputUnitList), QStringLiteral("INPUT"));
  EXPECT_EQ(labelOf(ids::kLogo), QStringLiteral("Vantrel home page"));
}

TEST_F(TemplateDialogTest, DataExchangeReadsAndWritesEveryBoundControl) {
  QSignalSpy changes(dialog_.EditItem(26), &EditBox::Changed);
  ASSERT_TRUE(dialog_.UpdateData(false));
  EXPECT_EQ(dialog_.ItemText(26), QStringLiteral("alpha"));
  EXPECT_EQ(dialog_.ItemText(25), QStringLiteral("3"));
  EXPECT_EQ(dialog_.IsDlgButtonChecked(24), 1);
  EXPECT_EQ(dialog_.IsDlgButtonChecked(21), 1) << "mode 1 is the second radio";
  EXPECT_EQ(dialog_.IsDlgButtonChecked(22) + dialog_.IsDlgButtonChecked(23), 0);
  ASSERT_TRUE(dialog_.UpdateData(false));
  EXPECT_EQ(changes.count(), 1) << "an unchanged text is written without a change";

  dialog_.SetItemText(26, QStringLiteral("beta"));
  dialog_.SetItemText(25, QStringLiteral(" -12"));
  dialog_.CheckDlgButton(24, 0);
  dialog_.CheckDlgButton(22, 1);
  ASSERT_TRUE(dialog_.UpdateData(true));
  EXPECT_EQ(dialog_.name, QStringLiteral("beta"));
  EXPECT_EQ(dialog_.count, -12);
  EXPECT_EQ(dialog_.keep, 0);
  EXPECT_EQ(dialog_.mode, 1);
  EXPECT_EQ(dialog_.colour, 0);
  EXPECT_TRUE(shell_.messages.empty());
}

TEST_F(TemplateDialogTest, AnIntegerBoxWithoutAWholeNumberStopsTheReadingAndSaysSo) {
  dialog_.show();
  for (const char* text : {"", "-", "1.5", "7 ", "99999999999"}) {
    SCOPED_TRACE(text);
    dialog_.count = 3;
    dialog_.keep = 5;
    dialog_.SetItemText(25, QString::fromLatin1(text));
    EXPECT_FALSE(dialog_.UpdateData(true));
    EXPECT_EQ(dialog_.count, 3);
    EXPECT_EQ(dialog_.keep, 5) << "controls after the failing one are not read";
    EXPECT_EQ(dialog_.focusWidget(), dialog_.Item(25));
  }
  ASSERT_EQ(shell_.messages.size(), 5u);
  EXPECT_EQ(shell_.messages[0].text, QStringLiteral("Enter an integer."));
  EXPECT_EQ(shell_.messages[0].icon, MessageIcon::kExclamation);
  EXPECT_EQ(shell_.messages[0].buttons, MessageButtons::kOk);
  EXPECT_EQ(shell_.messages[0].owner, &dialog_);
}

TEST(TemplateDialogMenuBar, TakesItsOwnHeightAboveTheClientArea) {
  const DialogTemplateRegistry registry = OptionsRegistry();
  TemplateDialog plain(registry, kOptions, kPlainFont);
  ASSERT_TRUE(plain.Create());
  for (bool beforeCreate : {true, false}) {
    SCOPED_TRACE(beforeCreate);
    TemplateDialog dialog(registry, kOptions, kPlainFont);
    if (beforeCreate) dialog.MenuBar()->addMenu(QStringLiteral("&File"));
    ASSERT_TRUE(dialog.Create());
    if (!beforeCreate) dialog.MenuBar()->addMenu(QStringLiteral("&File"));
    dialog.MenuBar()->addMenu(QStringLiteral("&Help"));
    const int bar = dialog.MenuBar()->height();
    EXPECT_GT(bar, 0);
    EXPECT_EQ(dialog.ClientTop(), bar);
    EXPECT_EQ(dialog.size(), plain.size() + QSize(0, bar));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize()) << "still a fixed size";
    for (int id : {20, 25, 27, 1}) {
      EXPECT_EQ(dialog.Item(id)->geometry(), plain.Item(id)->geometry().translated(0, bar)) << id;
    }
  }
}

}  // namespace
}  // namespace vantrel
