// The main window's menu bar, its commands and the keys that run them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "WindowTest.h"
#include "support/TempDir.h"
#include "ui/ConverterDlg.h"
#include "ui/MainMenu.h"
#include "ui/MenuCH.h"
#include "ui/ResourceIds.h"
#include "ui/kit/DropDownList.h"
#include "ui/kit/EditBox.h"
#include "ui/kit/ListBox.h"
#include "ui/kit/Resources.h"

namespace vantrel {
namespace {

using testing::TempDir;

// Notes the commands instead of running them.
class CommandSpy : public CConverterDlg {
 public:
  using CConverterDlg::CConverterDlg;
  std::vector<int> commands;

 protected:
  void OnInitDialog() override {
    CConverterDlg::OnInitDialog();
    std::vector<CommandRoute> spies;
    for (int id : {0x8015, 0x8016, 0x8017, 0x8018, 0x8019, 0x8027, 0x800F}) {
      spies.push_back({id, Notification::kClicked, [this, id] { commands.push_back(id); }});
    }
    AddRoutes(std::move(spies));
  }
};

class ConverterCommandsTest : public testing::WindowTest {
 protected:
  // The window active, so that its keys reach it.
  template <typename Dialog = CConverterDlg>
  Dialog& Start() {
    Dialog& started = WindowTest::Start<Dialog>();
    QApplication::setActiveWindow(&started);
    return started;
  }

  // The menu item of a command, as a user would pick it.
  void Pick(int command) {
    for (int position = 0; CMenuCH* popup = MainMenuPopup(*window_->MenuBar(), position);
         ++position) {
      for (QAction* action : popup->actions()) {
        if (popup->CommandOf(action) == command) return action->trigger();
      }
    }
    FAIL() << "no menu item for command " << command;
  }

  EditBox* Output() { return window_->EditItem(ids::kOutputBox); }
};

TEST_F(ConverterCommandsTest, TheBarHoldsThreePopUpsWithTheirItemsIdsAndPictures) {
  struct Expected {
    QString text;  // label, then the key label after a tab
    int command;   // 0: separator
    int bitmap;
  };
  const std::vector<std::pair<QString, std::vector<Expected>>> bar = {
      {"&File",
       {{"Launch Calculator          \tCtrl+L", 0x8016, 162},
        {"Coordinate Converter", 0x8026, 173},
        {"", 0, 0},
        {"Exit", 0x800F, 164}}},
      {"&Edit",
       {{"Copy Output      \tCtrl+C", 0x8017, 163},
        {"Find      \tCtrl+F", 0x8018, 170},
        {"Invert Units      \tCtrl+I", 0x8019, 167},
        {"", 0, 0},
        {"Units", 0x801C, 169},
        {"Categories", 0x801D, 174},
        {"Preferences      \tCtrl+P", 0x8015, 168}}},
      {"&Help",
       {{"Contents      \tF1", 0x8027, 165},
        {"", 0, 0},
        {"About...", 0x801B, 161},
        {"Check for updates or Donate...", 0x801A, 166}}},
  };
  Start();
  ASSERT_EQ(window_->MenuBar()->actions().size(), 3);
  for (int position = 0; position < 3; ++position) {
    const CMenuCH& popup = *MainMenuPopup(*window_->MenuBar(), position);
    EXPECT_EQ(popup.title(), bar[position].first);
    EXPECT_EQ(popup.font(), context_.menuFont);
    const QList<QAction*> actions = popup.actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(bar[position].second.size()));
    for (qsizetype i = 0; i < actions.size(); ++i) {
      const Expected& expected = bar[position].second[i];
      SCOPED_TRACE(expected.text.toStdString());
      const CMenuItem& item = *popup.ItemOf(actions[i]);
      const QString text =
          item.HasKeyLabel() ? item.Label() + '\t' + item.KeyLabel() : item.Label();
      EXPECT_EQ(text, expected.text);
      EXPECT_EQ(actions[i]->isSeparator(), expected.command == 0);
      EXPECT_EQ(popup.CommandOf(actions[i]), expected.command);
      EXPECT_EQ(item.Picture().toImage(), LoadBitmapResource(expected.bitmap).toImage());
    }
  }
}

// The accelerators, F1 and Ctrl+Q reach the window wherever the focus is, even where
// the control has a use of its own for the key (copy in an edit box).
TEST_F(ConverterCommandsTest, EveryKeyRunsItsCommandWhicheverControlHasTheFocus) {
  const std::pair<QKeyCombination, int> keys[] = {
      {Qt::CTRL | Qt::Key_L, 0x8016}, {Qt::CTRL | Qt::Key_C, 0x8017},
      {Qt::CTRL | Qt::Key_F, 0x8018}, {Qt::CTRL | Qt::Key_I, 0x8019},
      {Qt::CTRL | Qt::Key_P, 0x8015}, {QKeyCombination(Qt::Key_F1), 0x8027},
      {Qt::CTRL | Qt::Key_Q, 0x800F},  // quits like Exit, as the desktop's programs do
  };
  CommandSpy& dialog = Start<CommandSpy>();
  for (int control : {ids::kCategoryList, ids::kInputUnitList, ids::kOutputUnitList, ids::kInputBox,
                      ids::kOutputBox}) {
    for (const auto& [key, command] : keys) {
      dialog.commands.clear();
      QWidget* focus = dialog.Item(control);
      focus->setFocus();
      QTest::keyClick(focus, key.key(), key.keyboardModifiers());
      EXPECT_EQ(dialog.commands, std::vector<int>{command}) << control << " " << command;
    }
  }
  dialog.commands.clear();
  QTest::keyClick(dialog.Item(ids::kInputBox), Qt::Key_X, Qt::ControlModifier);
  EXPECT_TRUE(dialog.commands.empty());
}

TEST_F(ConverterCommandsTest, TheBarTitlesOpenWithAltAndTheirLetter) {
  Start();
  const std::pair<Qt::Key, int> titles[] = {{Qt::Key_F, 0}, {Qt::Key_E, 1}, {Qt::Key_H, 2}};
  for (const auto& [letter, position] : titles) {
    QTest::keyClick(window_->Item(ids::kCategoryList), letter, Qt::AltModifier);
    CMenuCH& popup = *MainMenuPopup(*window_->MenuBar(), position);
    EXPECT_TRUE(popup.isVisible()) << position;
    popup.close();
  }
  EXPECT_EQ(window_->DropDownItem(ids::kCategoryList)->GetCurSel(), 0);
}

TEST_F(ConverterCommandsTest, CtrlCInTheInputBoxCopiesTheWholeOutput) {
  Start();
  Input()->SetText(QStringLiteral("12.5*3"));
  Input()->setFocus();
  Input()->SetSel(0, 4);
  QGuiApplication::clipboard()->setText(QStringLiteral("before"));
  QTest::keyClick(Input(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(shell_.clipboard, QStringLiteral("37.5"));
  EXPECT_EQ(Output()->selectedText(), QStringLiteral("37.5")) << "the output stays selected";
  EXPECT_EQ(Input()->selectedText(), QStringLiteral("12.5")) << "the input keeps its selection";
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
}

TEST_F(ConverterCommandsTest, InvertTwiceRestoresAndExitStoresTheSelection) {
  Start();
  From()->SetCurSel(1);
  To()->SetCurSel(3);
  window_->ComputeResult();
  const QString before = Output()->Text();
  QTest::keyClick(Input(), Qt::Key_I, Qt::ControlModifier);
  EXPECT_EQ(From()->GetCurSel(), 3);
  EXPECT_EQ(To()->GetCurSel(), 1);
  EXPECT_NE(Output()->Text(), before);
  Pick(ids::kCmdInvertUnits);
  EXPECT_EQ(From()->GetCurSel(), 1);
  EXPECT_EQ(To()->GetCurSel(), 3);
  EXPECT_EQ(Output()->Text(), before);

  Pick(ids::kCmdExit);
  EXPECT_FALSE(window_->isVisible());
  EXPECT_EQ(context_.profile.GetInt("Settings", "LastUnitFrom", -9), 1);
  EXPECT_EQ(context_.profile.GetInt("Settings", "LastUnitTo", -9), 3);
}

TEST_F(ConverterCommandsTest, LaunchCalculatorStartsTheFirstCalculatorOnThePath) {
  const QByteArray path = qgetenv("PATH");
  TempDir bin;
  qputenv("PATH", QByteArray::fromStdString(bin.path().string()));
  Start();
  Pick(ids::kCmdLaunchCalculator);
  EXPECT_TRUE(shell_.started.empty()) << "none installed: nothing starts";
  for (const char* name : {"xcalc", "galculator", "mate-calc"}) {
    std::ofstream(bin / name) << "#!/bin/sh\n";
    std::filesystem::permissions(bin / name, std::filesystem::perms::owner_all);
  }
  Pick(ids::kCmdLaunchCalculator);
  qputenv("PATH", path);
  EXPECT_EQ(shell_.started, std::vector<QString>{QStringLiteral("galculator")});
  EXPECT_TRUE(shell_.messages.empty());
}

TEST_F(ConverterCommandsTest, CheckForUpdatesOpensTheHomePage) {
  Start();
  Pick(ids::kCmdCheckForUpdates);
  EXPECT_EQ(shell_.opened, std::vector<QString>{context_.homePage});
}

TEST_F(ConverterCommandsTest, F1AndContentsOpenHelpAndAboutOpensTheAboutBox) {
  Start();
  std::vector<std::string> opened;
  const auto closeWhatOpens = [&] {
    QTimer::singleShot(0, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      opened.push_back(modal ? modal->metaObject()->className() : "nothing");
      if (modal) modal->close();
    });
  };
  closeWhatOpens();
  QTest::keyClick(Input(), Qt::Key_F1);
  closeWhatOpens();
  Pick(ids::kCmdContents);
  closeWhatOpens();
  Pick(ids::kCmdAbout);
  EXPECT_EQ(opened, (std::vector<std::string>{"vantrel::CHelpDialog", "vantrel::CHelpDialog",
                                              "vantrel::CAboutDlg"}));
  EXPECT_TRUE(window_->isVisible());
}

}  // namespace
}  // namespace vantrel
