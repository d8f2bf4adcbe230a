#include <QAbstractButton>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>

#include "PreferencesFixture.h"
#include "TextFit.h"
#include "ui/kit/EditBox.h"
#include "ui/kit/StaticText.h"

namespace vantrel {
namespace {

using MySheetTest = testing::PreferencesFixture;

// Custom font off, the sheet still takes the preferred face and size; every
// page fits the tab area and every label its control, in a large font too.
TEST_F(MySheetTest, PagesInThePreferredFontFitTheTabAreaAndTheirTexts) {
  const struct {
    std::string_view ini;
    const char* face;
    int points;
  } cases[] = {
      {"", "Verdana", 8},
      {"[Settings]\nCustomFont=1\nFontName=DejaVu Serif\nFontSize=12\n", "DejaVu Serif", 12}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.face);
    Store(c.ini);
    Start();
    CMySheet& sheet = Open();
    // In the language the tests run in.
    EXPECT_EQ(sheet.windowTitle(), QCoreApplication::translate("vantrel::CMySheet", "Preferences"));
    EXPECT_EQ(sheet.parentWidget(), main_.get());
    EXPECT_EQ(sheet.findChildren<QPushButton*>().size(), 2) << "OK and Cancel only";
    ASSERT_TRUE(testing::ShowActive(sheet));
    const QStringList titles{
        QCoreApplication::translate("vantrel::CGeneral", "General"),
        QCoreApplication::translate("vantrel::CResultFormat", "Result Format"),
        QCoreApplication::translate("vantrel::CVisible", "Visible Categories")};
    for (QPushButton* button : sheet.findChildren<QPushButton*>()) testing::ExpectTextFits(*button);
    for (int i : {2, 1, 0}) {
      sheet.SetActivePage(i);
      QTest::qWait(1);
      PropertyPage* page = sheet.GetPage(i);
      SCOPED_TRACE(page->windowTitle().toStdString());
      EXPECT_EQ(sheet.TabControl()->tabText(i), titles[i]);
      EXPECT_EQ(page->font().family(), QString::fromLatin1(c.face));
      EXPECT_EQ(page->font().pointSize(), c.points);
      const QWidget* area = page->parentWidget();
      EXPECT_EQ(page->geometry(), QRect(QPoint(), page->size()));
      EXPECT_TRUE(area->rect().contains(page->geometry()));
      EXPECT_TRUE(sheet.TabControl()->geometry().contains(
          QRect(area->mapTo(&sheet, QPoint()), area->size())));
      for (QWidget* control : page->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (control->objectName().isEmpty()) continue;  // the focus ring
        SCOPED_TRACE(control->objectName().toStdString());
        EXPECT_TRUE(page->rect().contains(control->geometry()));
        testing::ExpectTextFits(*control);
      }
    }
  }
}

// The platform's keys turn the pages from anywhere in the sheet, round the
// ends, with the focus on the tabs (not in a page, which may count it as a
// change).
TEST_F(MySheetTest, CtrlTabAndCtrlPageKeysTurnThePages) {
  Start();
  CMySheet& sheet = Open();
  ASSERT_TRUE(testing::ShowActive(sheet));
  General().Item(ids::kOnTopCheck)->setFocus();
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int page;
  } turns[] = {
      {Qt::Key_Tab, Qt::ControlModifier, 1},
      {Qt::Key_PageDown, Qt::ControlModifier, 2},
      {Qt::Key_PageDown, Qt::ControlModifier, 0},
      {Qt::Key_PageUp, Qt::ControlModifier, 2},
      {Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier, 1},
      {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 0},
  };
  for (const auto& turn : turns) {
    SCOPED_TRACE(::testing::Message() << turn.key << " to " << turn.page);
    QTest::keyClick(QApplication::focusWidget(), turn.key, turn.modifiers);
    EXPECT_EQ(sheet.GetActiveIndex(), turn.page);
    EXPECT_EQ(QApplication::focusWidget(), sheet.TabControl()->tabBar());
    sheet.Button(kIdOk)->setFocus();  // the next from a button
  }
  EXPECT_FALSE(Visible().Changed());
}

TEST_F(MySheetTest, CancelEscapeAndTheCloseBoxStoreNothing) {
  Start();
  for (const char* way : {"Cancel", "Escape", "close box"}) {
    SCOPED_TRACE(way);
    const std::string before = FileText();
    const int visible = main_->Catalogue().FindCategory("Acceleration")->Visible();
    CMySheet& sheet = Open();
    ASSERT_TRUE(testing::ShowActive(sheet));
    General().ButtonItem(ids::kOnTopCheck)->click();
    Format().ButtonItem(ids::kFixedRadio)->click();
    Visible().ButtonItem(ids::kDisplayAllCheck)->click();
    const std::string which = way;
    if (which == "Cancel") sheet.Button(kIdCancel)->click();
    if (which == "Escape") QTest::keyClick(General().Item(ids::kOnTopCheck), Qt::Key_Escape);
    if (which == "close box") sheet.close();
    EXPECT_FALSE(sheet.isVisible());
    EXPECT_NE(sheet.result(), kIdOk);
    EXPECT_EQ(FileText(), before);
    EXPECT_EQ(context_->preferences.onTop, 1);
    EXPECT_EQ(main_->Catalogue().Format().mode, ResultMode::kAutomatic);
    EXPECT_EQ(main_->Catalogue().FindCategory("Acceleration")->Visible(), visible);
  }
}

TEST_F(MySheetTest, WhatOkStoresIsWhatTheNextStartFinds) {
  Start();
  Open();
  for (int id : {ids::kOnTopCheck, ids::kRememberLastCheck, ids::kShowAbbreviationCheck,
                 ids::kCustomFontCheck}) {
    General().ButtonItem(id)->click();
  }
  General().DropDownItem(ids::kFontSizeList)->setCurrentIndex(4);
  Format().ButtonItem(ids::kScientificRadio)->click();
  Format().DropDownItem(ids::kPrecisionList)->setCurrentIndex(2);
  Visible().ButtonItem(ids::kDisplayAllCheck)->click();
  PressOk();

  Start();
  const Preferences& chosen = context_->preferences;
  EXPECT_EQ(chosen.onTop, 0);
  EXPECT_EQ(chosen.rememberLast, 0);
  EXPECT_EQ(chosen.showAbbreviation, 0);
  EXPECT_TRUE(context_->dialogFont.replacesTemplateFonts);
  EXPECT_EQ(context_->dialogFont.points, 12);
  EXPECT_EQ(main_->font().pointSize(), 12);
  EXPECT_EQ(chosen.format, ResultMode::kScientific);
  EXPECT_EQ(chosen.precision, 2);
  const DropDownList* categories = main_->DropDownItem(ids::kCategoryList);
  EXPECT_EQ(categories->GetCount(), static_cast<int>(main_->Catalogue().Categories().size()));
  main_->EditItem(ids::kInputBox)->SetText(QStringLiteral("212"));
  EXPECT_EQ(main_->ItemText(ids::kOutputBox), QStringLiteral("2.12e+002"));
  EXPECT_EQ(main_->ItemText(ids::kInputUnitLabel).contains('\n'), false) << "no abbreviation";
}

}  // namespace
}  // namespace vantrel
