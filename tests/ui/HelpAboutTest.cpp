// The Help window and the About box.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <functional>
#include <memory>
#include <vector>

#include "KitTestSupport.h"
#include "WindowTest.h"
#include "ui/AboutDlg.h"
#include "ui/HelpDialog.h"
#include "ui/ResourceIds.h"
#include "ui/kit/FocusRing.h"
#include "ui/kit/IconStatic.h"
#include "ui/kit/PictureStatic.h"
#include "ui/kit/Resources.h"
#include "ui/kit/RichEdit.h"
#include "ui/kit/StaticText.h"

namespace vantrel {
namespace {

using HelpAboutTest = testing::WindowTest;

QTextCharFormat FormatAt(const RichEdit& edit, int position) {
  QTextCursor cursor(edit.document());
  cursor.setPosition(position + 1);  // the format of the character before the cursor
  return cursor.charFormat();
}

TEST_F(HelpAboutTest, HelpShowsEightSegmentsWithTheFirstHeadingsBoldAndTheFolderBlue) {
  const QString folder = QString::fromStdString(dir_.path().string()) + '/';
  const QStringList segments = {
      "Use\r\n\r\n",
      "Select the category of your units, and the units to convert to and from.Then enter your "
      "value in the Input Box :\r\n\r\nas Decimal, e.g. 1.75\r\nas Exponent, e.g. 1.2e-5\r\nas "
      "Partial Fraction, e.g. 7/8 \r\nas Mixed Fraction, e.g. 2+3/4  (for 2\u00BE)\r\nas Mixed "
      "Expression, e.g. sin(-50.01+10^(sin(-0.1/21.11)-(cos(12)^0.1)^3.11))\r\n\r\nThe converted "
      "units are displayed instantly in the Output Box.\r\nThe input and output units can be "
      "inverted using the invert option from the Edit menu, or by clicking the invert icon "
      "located between INPUT and OUTPUT list boxes. Ctrl + I is a shortcut for quickly inverting "
      "units\r\n\r\n",
      "Find\r\n\r\n",
      "Under Edit Menu, click on Find, or use shortcut key Ctrl + F to quickly open the Find "
      "dialog box. Type in the desired unit or category into the edit box to narrow the list of "
      "possible matches that are displayed in the list box below. Double click any unit in the "
      "list box or push the Go button to dismiss the find box and jump to that category and unit "
      "in the main window.\r\n\r\n",
      "Preferences\r\n\r\n",
      "Under menu Edit, Preferences, you can:\r\n\r\nDisplay more/less categories under Visible "
      "Categories\r\nRemember last used categories and units under General\r\nChange the "
      "precision and format of the conversion output\r\n\r\n",
      "Customizations\r\n\r\n",
      "For Custom units and preferences to be stored, a small file named Mensura.ini is written "
      "to the " +
          folder +
          " folder. You may transfer this file to other computers to transfer "
          "your customizations.",
  };
  CHelpDialog help(context_);
  ASSERT_TRUE(help.Create());
  const RichEdit& text = *help.ItemAs<RichEdit>(ids::kHelpText);
  EXPECT_EQ(text.Text(), segments.join(QString()));
  EXPECT_TRUE(text.isReadOnly());
  help.ItemAs<RichEdit>(ids::kHelpText)->selectAll();
  help.ItemAs<RichEdit>(ids::kHelpText)->copy();
  EXPECT_TRUE(QGuiApplication::clipboard()->text().endsWith(QStringLiteral("customizations.")))
      << "selectable and copyable";

  struct Run {
    QString text;
    int occurrence;  // 0: the first
    bool bold;
  };
  const Run runs[] = {{"Use", 0, true},
                      {"Find", 0, true},
                      {"Find", 1, false},
                      {"Find", 2, false},
                      {"Preferences", 0, true},
                      {"Preferences", 1, false},
                      {"Customizations", 0, true},
                      {folder, 0, false}};
  for (const Run& run : runs) {
    int at = -1;
    for (int i = 0; i <= run.occurrence; ++i) at = text.FindText(run.text, at + 1);
    ASSERT_GE(at, 0) << run.text.toStdString();
    for (int i = 0; i < run.text.size(); ++i) {
      EXPECT_EQ(FormatAt(text, at + i).fontWeight() == QFont::Bold, run.bold)
          << run.text.toStdString() << " " << run.occurrence;
    }
  }
  const int folderAt = text.FindText(folder);
  EXPECT_EQ(FormatAt(text, folderAt).foreground().color(), QColor(50, 50, 255));
  EXPECT_EQ(FormatAt(text, folderAt + folder.size() - 1).foreground().color(), QColor(50, 50, 255));
  EXPECT_NE(FormatAt(text, folderAt - 2).foreground().color(), QColor(50, 50, 255));
  EXPECT_NE(FormatAt(text, folderAt + folder.size()).foreground().color(), QColor(50, 50, 255));
}

TEST_F(HelpAboutTest, HelpNamesASettingsFolderWhoseNameIsNoUtf8) {
  // Named in another encoding ("café" in Latin-1): shown as well as it can
  // be, never a conversion that throws.
  context_.profile = Profile(dir_.path() / "caf\xE9" / "Mensura.ini");
  CHelpDialog help(context_);
  ASSERT_TRUE(help.Create());
  EXPECT_TRUE(help.ItemAs<RichEdit>(ids::kHelpText)->Text().contains(QStringLiteral("/caf")));
}

TEST_F(HelpAboutTest, OkEnterAndEscapeCloseHelp) {
  const std::function<void(CHelpDialog&)> ways[] = {
      [](CHelpDialog& help) { help.ButtonItem(kIdOk)->click(); },
      [](CHelpDialog& help) { QTest::keyClick(help.Item(ids::kHelpText), Qt::Key_Return); },
      [](CHelpDialog& help) { QTest::keyClick(help.Item(ids::kHelpText), Qt::Key_Escape); },
  };
  for (const auto& close : ways) {
    CHelpDialog help(context_);
    ASSERT_TRUE(help.Create());
    help.show();
    close(help);
    EXPECT_FALSE(help.isVisible());
  }
}

TEST_F(HelpAboutTest, TheManualButtonAndTheLinksOpenTheirPageAndLeaveTheDialogOpen) {
  CHelpDialog help(context_);
  ASSERT_TRUE(help.Create());
  help.show();
  help.ButtonItem(ids::kManualButton)->click();
  help.ButtonItem(ids::kManualButton)->click();
  EXPECT_EQ(shell_.opened, std::vector<QString>(2, context_.manual));
  EXPECT_TRUE(help.isVisible());

  shell_.opened.clear();
  CAboutDlg about(context_);
  ASSERT_TRUE(about.Create());
  about.show();
  QTest::mouseClick(about.Item(ids::kProductLink), Qt::LeftButton, {}, QPoint(3, 3));
  QTest::mouseClick(about.Item(ids::kBannerPicture), Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_EQ(shell_.opened, std::vector<QString>(2, context_.homePage));
  EXPECT_TRUE(about.isVisible());
}

// The banner and the link are reached with Tab and open with Enter or Space
// as a button would; the box opens with the focus on its text, where Enter
// is OK.
TEST_F(HelpAboutTest, TheBannerAndTheLinkAreReachedWithTabAndOpenWithEnterOrSpace) {
  CAboutDlg about(context_);
  ASSERT_TRUE(about.Create());
  ASSERT_TRUE(testing::ShowActive(about));
  EXPECT_EQ(QApplication::focusWidget(), about.Item(ids::kTermsText));
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int focus;  // the control with the focus afterwards
    std::size_t opened;
  } steps[] = {
      {Qt::Key_Tab, {}, ids::kProductLink, 0},
      {Qt::Key_Return, {}, ids::kProductLink, 1},
      {Qt::Key_Space, {}, ids::kProductLink, 2},
      {Qt::Key_Tab, {}, kIdOk, 2},
      {Qt::Key_Tab, {}, ids::kBannerPicture, 2},
      {Qt::Key_Enter, Qt::KeypadModifier, ids::kBannerPicture, 3},
      {Qt::Key_Space, {}, ids::kBannerPicture, 4},
      {Qt::Key_Tab, Qt::ShiftModifier, kIdOk, 4},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(::testing::Message() << step.key << " to " << step.focus);
    QTest::keyClick(QApplication::focusWidget(), step.key, step.modifiers);
    EXPECT_EQ(QApplication::focusWidget(), about.Item(step.focus));
    EXPECT_EQ(shell_.opened.size(), step.opened);
    EXPECT_TRUE(about.isVisible());
  }
  EXPECT_EQ(about.findChild<FocusRing*>()->Target(), about.Item(kIdOk)) << "the focus shows";
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_FALSE(about.isVisible());
}

TEST_F(HelpAboutTest, AboutShowsItsTextsIconAndBlueLinkWithTheHandCursor) {
  CAboutDlg about(context_);
  ASSERT_TRUE(about.Create());
  EXPECT_EQ(about.windowTitle(), QStringLiteral("About Vantrel Converter"));
  const QStringList texts = [&] {
    QStringList out;
    for (StaticText* label : about.findChildren<StaticText*>()) out << label->Text();
    return out;
  }();
  EXPECT_TRUE(texts.contains(QStringLiteral("Vantrel Unit Converter Version 5.4")));
  EXPECT_TRUE(
      texts.contains(QStringLiteral("For more information and complete terms of use visit :")));
  EXPECT_EQ(about.ItemText(ids::kProductLink),
            QStringLiteral("file:///usr/share/doc/vantrel/index.html"));
  EXPECT_FALSE(about.ItemText(ids::kTermsText).isEmpty());
  const auto icons = about.findChildren<IconStatic*>();
  ASSERT_EQ(icons.size(), 1);
  EXPECT_EQ(icons[0]->Icon().pixmap(32).toImage(),
            LoadIconResource(ids::kAppIcon).pixmap(32).toImage());
  EXPECT_EQ(about.Item(ids::kProductLink)->palette().color(QPalette::WindowText),
            QColor(0, 0, 255));
  for (int id : {ids::kProductLink, ids::kBannerPicture}) {
    EXPECT_EQ(about.Item(id)->cursor().shape(), Qt::PointingHandCursor) << id;
  }
}

// The banner keeps its place under the notice line whatever the dialog font.
TEST_F(HelpAboutTest, TheBannerSitsTwentyPixelsBelowTheNoticeLine) {
  for (int size : {8, 14}) {
    context_.dialogFont = PreferredFont{true, "DejaVu Sans", size};
    CAboutDlg about(context_);
    ASSERT_TRUE(about.Create());
    const QRect notice = about.Item(ids::kNoticeLine)->geometry();
    EXPECT_EQ(about.Item(ids::kBannerPicture)->geometry(),
              QRect(notice.left(), notice.bottom() + 1 + 20, 250, 57))
        << size;
  }
}

TEST_F(HelpAboutTest, BothFollowTheDialogFontRuleAndNeedTheirTemplate) {
  context_.dialogFont = PreferredFont{true, "DejaVu Serif", 11};
  CHelpDialog help(context_);
  CAboutDlg about(context_);
  for (TemplateDialog* dialog : std::vector<TemplateDialog*>{&help, &about}) {
    ASSERT_TRUE(dialog->Create());
    EXPECT_EQ(dialog->font().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(dialog->font().pointSize(), 11);
  }
  context_.templates = DialogTemplateRegistry();
  EXPECT_EQ(CHelpDialog(context_).DoModal(), -1);
  EXPECT_EQ(CAboutDlg(context_).DoModal(), -1);
}

}  // namespace
}  // namespace vantrel
