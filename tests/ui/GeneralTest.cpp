#include <QFontInfo>
#include <QPushButton>

#include "PreferencesFixture.h"
#include "ui/General.h"

namespace vantrel {
namespace {

class GeneralTest : public testing::PreferencesFixture {
 protected:
  DropDownList* Faces() { return General().DropDownItem(ids::kFontFaceList); }
  DropDownList* Sizes() { return General().DropDownItem(ids::kFontSizeList); }
  void Click(int id) { General().ButtonItem(id)->click(); }
};

constexpr std::string_view kStoredFont =
    "[Settings]\nShowAbbreviation=0\nOnTop=1\nRememberLast=0\nCustomFont=1\n"
    "FontName=dejavu serif\nFontSize=11\n";

TEST_F(GeneralTest, OkUntouchedWritesAllSixKeysUnchanged) {
  Store(kStoredFont);
  Start();
  Open();
  EXPECT_EQ(General().IsDlgButtonChecked(ids::kShowAbbreviationCheck), 0);
  EXPECT_EQ(General().IsDlgButtonChecked(ids::kOnTopCheck), 1);
  EXPECT_EQ(General().IsDlgButtonChecked(ids::kRememberLastCheck), 0);
  EXPECT_EQ(General().IsDlgButtonChecked(ids::kCustomFontCheck), 1);
  EXPECT_EQ(Faces()->currentText(), QStringLiteral("DejaVu Serif")) << "found ignoring case";
  EXPECT_EQ(Sizes()->currentText(), QStringLiteral("4"));
  for (std::string_view key :
       {"ShowAbbreviation", "OnTop", "RememberLast", "CustomFont", "FontName", "FontSize"}) {
    Settings().DeleteKey("Settings", key);
  }
  PressOk();
  EXPECT_EQ(Stored("ShowAbbreviation"), 0);
  EXPECT_EQ(Stored("OnTop"), 1);
  EXPECT_EQ(Stored("RememberLast"), 0);
  EXPECT_EQ(Stored("CustomFont"), 1);
  EXPECT_EQ(Settings().GetString("Settings", "FontName", ""), "DejaVu Serif");
  EXPECT_EQ(Stored("FontSize"), 11);
}

TEST_F(GeneralTest, TheCustomFontSwitchEnablesTheListsAndSelectsThePresentFont) {
  Start();
  Open();
  EXPECT_FALSE(Faces()->isEnabled());
  EXPECT_FALSE(Sizes()->isEnabled());
  EXPECT_EQ(Faces()->GetCurSel(), -1);
  EXPECT_GT(Faces()->GetCount(), 0);
  EXPECT_EQ(Sizes()->GetCount(), 5);
  Click(ids::kCustomFontCheck);
  EXPECT_TRUE(Faces()->isEnabled());
  EXPECT_TRUE(Sizes()->isEnabled());
  // "Verdana" is not installed here: the list shows the face that stands in.
  EXPECT_EQ(Faces()->currentText(), QFontInfo(QFont(QStringLiteral("Verdana"))).family());
  EXPECT_EQ(Sizes()->currentText(), QStringLiteral("1"));
  Sizes()->setCurrentIndex(2);
  Click(ids::kCustomFontCheck);
  EXPECT_FALSE(Faces()->isEnabled());
  EXPECT_EQ(Sizes()->currentText(), QStringLiteral("3")) << "turned off, the lists keep theirs";
}

TEST_F(GeneralTest, SizeItemThreeStoresTenAndLaterDialogsTakeTheFont) {
  Start();
  const QFont mainFont = main_->font();
  Open();
  Click(ids::kCustomFontCheck);
  Faces()->setCurrentIndex(Faces()->findText(QStringLiteral("DejaVu Serif")));
  Sizes()->setCurrentIndex(Sizes()->findText(QStringLiteral("3")));
  PressOk();
  EXPECT_EQ(Stored("CustomFont"), 1);
  EXPECT_EQ(Stored("FontSize"), 10);
  EXPECT_EQ(Settings().GetString("Settings", "FontName", ""), "DejaVu Serif");
  TemplateDialog next(context_->templates, ids::kMainDialog, context_->dialogFont);
  ASSERT_TRUE(next.Create());
  EXPECT_EQ(next.font().family(), QStringLiteral("DejaVu Serif"));
  EXPECT_EQ(next.font().pointSize(), 10);
  EXPECT_EQ(main_->font(), mainFont) << "the window takes its font at the next start";
}

// Item (size - 8) does not exist for a size the list lacks: OK keeps the
// stored size instead of storing 7.
TEST_F(GeneralTest, AStoredSizeTheListLacksIsKept) {
  Store("[Settings]\nCustomFont=1\nFontName=DejaVu Sans\nFontSize=14\n");
  Start();
  Open();
  EXPECT_EQ(Sizes()->GetCurSel(), -1);
  PressOk();
  EXPECT_EQ(Stored("FontSize"), 14);
  EXPECT_EQ(context_->dialogFont.points, 14);
}

// Qt lists a family that several foundries make once per foundry, tagged.
TEST_F(GeneralTest, EachFamilyIsListedAndStoredOnceWithoutItsFoundry) {
  EXPECT_EQ(FontFamilies({"C059 [UKWN]", "C059 [urw]", "Nimbus Sans [URW ]", "Nimbus Sans",
                          "DejaVu Sans", "[Bracketed]", "Odd [Name"}),
            QStringList({"C059", "Nimbus Sans", "DejaVu Sans", "[Bracketed]", "Odd [Name"}));
  // A tagged face stored by an earlier run is read as its family.
  Store("[Settings]\nCustomFont=1\nFontName=DejaVu Serif [UKWN]\nFontSize=11\n");
  Start();
  EXPECT_EQ(context_->dialogFont.face, "DejaVu Serif");
  Open();
  QStringList listed;
  for (int i = 0; i < Faces()->GetCount(); ++i) listed << Faces()->GetLBText(i);
  EXPECT_EQ(listed.filter(QStringLiteral("[")).size(), 0);
  EXPECT_EQ(listed.removeDuplicates(), 0);
  EXPECT_EQ(Faces()->currentText(), QStringLiteral("DejaVu Serif"));
  PressOk();
  EXPECT_EQ(Settings().GetString("Settings", "FontName", ""), "DejaVu Serif");
}

TEST_F(GeneralTest, AlwaysOnTopAppliesAtOnceOnOkAndNotOnCancel) {
  Store("[Settings]\nOnTop=0\n");
  for (const int button : {kIdCancel, kIdOk}) {
    SCOPED_TRACE(button);
    Start();
    const QPoint place = main_->pos();
    ASSERT_FALSE(main_->windowFlags() & Qt::WindowStaysOnTopHint);
    Open();
    Click(ids::kOnTopCheck);
    sheet_->Button(button)->click();
    const bool expected = button == kIdOk;
    EXPECT_EQ(bool(main_->windowFlags() & Qt::WindowStaysOnTopHint), expected);
    EXPECT_EQ(bool(main_->windowHandle()->flags() & Qt::WindowStaysOnTopHint), expected);
    EXPECT_TRUE(main_->isVisible());
    EXPECT_EQ(main_->pos(), place);
    EXPECT_EQ(Stored("OnTop"), expected ? 1 : 0);
  }
}

}  // namespace
}  // namespace vantrel
