#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTimer>

#include "ui/kit/Shell.h"

namespace vantrel {
namespace {

TEST(DesktopShell, StartsProgramsFromTheSearchPathAndReportsFailure) {
  DesktopShell shell;
  EXPECT_TRUE(shell.StartProgram(QStringLiteral("true --ignored-argument")));
  EXPECT_FALSE(shell.StartProgram(QStringLiteral("vantrel-no-such-program-here")));
  EXPECT_FALSE(shell.StartProgram(QStringLiteral("   ")));
}

TEST(DesktopShell, PutsTextOnTheClipboard) {
  DesktopShell shell;
  shell.SetClipboardText(QStringLiteral("212"));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("212"));
}

TEST(DesktopShell, MessageBoxesAnswerWithThePressedButtonsId) {
  const struct {
    MessageButtons buttons;
    QMessageBox::StandardButton press;
    int answer;
  } cases[] = {
      {MessageButtons::kOk, QMessageBox::Ok, kIdOk},
      {MessageButtons::kOkCancel, QMessageBox::Ok, kIdOk},
      {MessageButtons::kOkCancel, QMessageBox::Cancel, kIdCancel},
      {MessageButtons::kYesNo, QMessageBox::Yes, kIdYes},
      {MessageButtons::kYesNo, QMessageBox::No, kIdNo},
  };
  DesktopShell shell;
  QWidget owner;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer);
    QStringList shown;
    QTimer::singleShot(0, [&] {
      QMessageBox* box = nullptr;
      for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* shownBox = qobject_cast<QMessageBox*>(window);
            shownBox && shownBox->isVisible()) {
          box = shownBox;
        }
      }
      ASSERT_NE(box, nullptr);
      for (QAbstractButton* button : box->buttons()) shown << button->text().remove('&');
      EXPECT_EQ(box->parentWidget(), &owner);
      box->button(c.press)->click();
    });
    EXPECT_EQ(shell.MessageBox(&owner, QStringLiteral("Caption"), QStringLiteral("Text"),
                               MessageIcon::kQuestion, c.buttons),
              c.answer);
    EXPECT_EQ(shown.size(), c.buttons == MessageButtons::kOk ? 1 : 2);
  }
}

}  // namespace
}  // namespace vantrel
