#include <QAbstractButton>
#include <QTest>
#include <filesystem>
#include <memory>

#include "CatalogueDialogFixture.h"
#include "KitTestSupport.h"
#include "ui/CustomUnits.h"
#include "ui/ResourceIds.h"
#include "ui/kit/EditBox.h"

namespace vantrel {
namespace {

using testing::Pick;

class CustomUnitsTest : public testing::CatalogueDialogTest {
 protected:
  // Opens on a category (and source unit) with a coefficient, as a user sets them.
  CCustomUnits& Open(const QString& category = {}, const QString& source = {},
                     const QString& coefficient = "1") {
    dialog_ = std::make_unique<CCustomUnits>(context_);
    EXPECT_TRUE(dialog_->Create());
    if (!category.isEmpty()) Pick(dialog_->DropDownItem(ids::kUnitCategoryList), category);
    if (!source.isEmpty()) Pick(dialog_->DropDownItem(ids::kSourceUnitList), source);
    dialog_->EditItem(ids::kCoefficientEdit)->setText(coefficient);
    return *dialog_;
  }
  void Click(int id) { dialog_->ButtonItem(id)->click(); }
  bool Closed() const { return dialog_->result() == QDialog::Accepted; }
  const CUnit* Unit(const QString& category, const QString& name) {
    return catalogue_.FindCategory(category.toStdString())->FindUnit(name.toStdString());
  }
  QString Preview() const { return dialog_->ItemText(ids::kPreviewEdit); }

  std::unique_ptr<CCustomUnits> dialog_;
};

TEST_F(CustomUnitsTest, OpensOnTheFirstCategoryAndUnitAndPreviewsEveryChange) {
  CCustomUnits& dialog = Open();
  EXPECT_EQ(dialog.DropDownItem(ids::kUnitCategoryList)->GetCount(), 45) << "hidden ones too";
  EXPECT_EQ(dialog.ItemText(ids::kUnitCategoryList), "Acceleration");
  EXPECT_EQ(dialog.IsDlgButtonChecked(ids::kInvertCheck), 0);
  EXPECT_EQ(Preview(), "Output = 1 × Input \r\nInput is in centimeter/second²\r\nOutput is in ");

  Pick(dialog.DropDownItem(ids::kUnitCategoryList), "Distance");
  Pick(dialog.DropDownItem(ids::kSourceUnitList), "inch");
  EXPECT_EQ(catalogue_.CurrentCategory()->InputUnit()->name, "inch");
  QTest::keyClicks(dialog.EditItem(ids::kUnitNameEdit), "foot");
  dialog.EditItem(ids::kCoefficientEdit)->setText("12");
  EXPECT_EQ(Preview(), "Output = 12 × Input \r\nInput is in inch\r\nOutput is in foot");
  QTest::mouseClick(dialog.ButtonItem(ids::kInvertCheck), Qt::LeftButton);
  EXPECT_TRUE(Preview().startsWith("Output = 12 × (1.0 / Input) \r\n"));
  dialog.EditItem(ids::kCoefficientEdit)->setText("1/0");
  EXPECT_TRUE(Preview().startsWith("Output = ? × (1.0 / Input) \r\n")) << "no value to show";
}

TEST_F(CustomUnitsTest, AddDefinesTheUnitByTheSourceAndTheInvertBoxOrSaysWhyNot) {
  catalogue_.SelectCategory("Distance");
  catalogue_.AddUnit("smoot", " ", 170.18, 0, 0, 1, 1);
  const double inch = 2.54;
  const double gallons =
      catalogue_.FindCategory("Fuel Consumption")->FindUnit("gallon (US)/100-mile")->coefficient;
  const struct {
    const char *category, *source, *coefficientText;
    int check;
    const char* name;
    double coefficient;  // 0: refused, saying `why`
    int inverted;
    const char* why;
  } cases[] = {
      {"Distance", "inch", "12", 0, "Foot", 12 * inch, 0, ""},
      {"Distance", "inch", "12", 1, "inverse inch", inch / 12, 1, ""},
      {"Fuel Consumption", "gallon (US)/100-mile", "12", 1, "f1", 12 * gallons, 0, ""},
      {"Fuel Consumption", "gallon (US)/100-mile", "12", 0, "f2", gallons / 12, 1, ""},
      // Names: 2 to 25 characters with their blanks, unique per category by exact spelling.
      {"Distance", "inch", "1", 0, "a", 0, 0, "between 2 and 25 characters"},
      {"Distance", "inch", "1", 0, " a", inch, 0, ""},
      {"Distance", "inch", "1", 0, "abcdefghijklmnopqrstuvwx ", inch, 0, ""},
      {"Distance", "inch", "1", 0, "µµµµµµµµµµµµµµµµµµµµµµµµ°", inch, 0, ""},
      {"Distance", "inch", "1", 0, " abcdefghijklmnopqrstuvwx ", 0, 0, "between 2 and 25"},
      {"Distance", "inch", "1", 0, "foot", 0, 0, "This unit name already exists."},
      {"Distance", "inch", "1", 0, "a=b", 0, 0, "cannot be saved in the settings file"},
      {"Time", "", "1", 0, "SMOOT", 0, 0, "differs from [SMOOT] only in letter case"},
      // The coefficient: an expression of a finite value above 0.
      {"Distance", "inch", "1/3", 0, "c1", inch / 3, 0, ""},
      {"Distance", "inch", "2.54e-2", 0, "c2", inch * 0.0254, 0, ""},
      {"Distance", "inch", "12*3", 0, "c3", inch * 36, 0, ""},
      {"Distance", "inch", "", 0, "c4", 0, 0, "cannot be read: empty expression"},
      {"Distance", "inch", "abc", 0, "c5", 0, 0, "cannot be read"},
      {"Distance", "inch", "1/0", 0, "c6", 0, 0, "cannot be read: divide by 0"},
      {"Distance", "inch", "0", 0, "c7", 0, 0, "must be greater than 0"},
      {"Distance", "inch", "-2", 0, "c8", 0, 0, "must be greater than 0"},
      {"Distance", "inch", "1e308", 0, "c9", 0, 0, "beyond the range"},
      {"Distance", "inch", "1e-320", 0, "c10", 0, 0, "beyond the range"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::size_t units =
        catalogue_.FindCategory(QString(c.category).toStdString())->Units().size();
    Open(c.category, c.source, c.coefficientText).CheckDlgButton(ids::kInvertCheck, c.check);
    // Pasted: only typing is filtered.
    dialog_->EditItem(ids::kUnitNameEdit)->insert(c.name);
    Click(ids::kAddUnitButton);
    const bool added = c.coefficient != 0;
    EXPECT_EQ(Closed(), added);
    EXPECT_EQ(dialog_->ChangedCategory(), added ? QString(c.category).toStdString() : "");
    if (!added) {
      EXPECT_EQ(catalogue_.CurrentCategory()->Units().size(), units);
      EXPECT_EQ(shell_.messages.back().caption, "Error");
      EXPECT_EQ(shell_.messages.back().icon, MessageIcon::kExclamation);
      EXPECT_TRUE(shell_.messages.back().text.contains(c.why))
          << shell_.messages.back().text.toStdString();
      continue;
    }
    const CUnit* unit = Unit(c.category, c.name);
    ASSERT_NE(unit, nullptr);
    EXPECT_DOUBLE_EQ(unit->coefficient, c.coefficient);
    EXPECT_EQ(unit->inverted, c.inverted);
  }
  EXPECT_EQ(Stored("CustomUnits", "Foot"), "@Distance?val=30.48?i=0");
  EXPECT_EQ(Stored("CustomUnits", "smoot"), "@Distance?val=170.18?i=0");
  const testing::RecordedMessage& done = shell_.messages.front();
  EXPECT_EQ(done.caption, "Success");
  EXPECT_EQ(done.text, "Unit name [Foot] was successfully added to [Distance]");
  EXPECT_EQ(done.icon, MessageIcon::kNone);
}

TEST_F(CustomUnitsTest, AnEmptyCategoryGetsItsBaseUnitWhateverTheCoefficient) {
  catalogue_.AddCategory("Kitchen", 1, 1, 1);
  CCustomUnits& dialog = Open("Kitchen", {}, "5");
  for (const int id :
       {ids::kSourceUnitList, ids::kCoefficientEdit, ids::kRemoveUnitButton, ids::kInvertCheck})
    EXPECT_FALSE(dialog.Item(id)->isEnabled()) << id;
  EXPECT_TRUE(dialog.Item(ids::kUnitNameEdit)->isEnabled());
  EXPECT_TRUE(dialog.Item(ids::kAddUnitButton)->isEnabled());
  EXPECT_EQ(Preview(), "");
  dialog.CheckDlgButton(ids::kInvertCheck, 1);
  dialog.SetItemText(ids::kUnitNameEdit, "cup");
  Click(ids::kAddUnitButton);
  EXPECT_EQ(Stored("CustomUnits", "cup"), "@Kitchen?val=1?i=0");
}

TEST_F(CustomUnitsTest, TypingFiltersKeepNamesAndCoefficientsToTheirCharacters) {
  CCustomUnits& dialog = Open();
  EditBox* name = dialog.EditItem(ids::kUnitNameEdit);
  QTest::keyClicks(name, "a(b.c_d-e /f=;[");
  QTest::keyClick(name, Qt::Key_Backspace);
  EXPECT_EQ(name->Text(), "abcd-e /");
  EditBox* coefficient = dialog.EditItem(ids::kCoefficientEdit);
  coefficient->clear();
  QTest::keyClicks(coefficient, "1x.5eE/q*(2)^3,");
  EXPECT_EQ(coefficient->Text(), "1.5eE/*(2)^3");
}

TEST_F(CustomUnitsTest, RemovesOnlyCustomUnits) {
  catalogue_.SelectCategory("Distance");
  catalogue_.AddUnit("smoot", " ", 170.18, 0, 0, 1, 1);
  Open("Distance", "foot");
  Click(ids::kRemoveUnitButton);
  EXPECT_FALSE(Closed());
  EXPECT_EQ(dialog_->LastResult(), 3);
  EXPECT_EQ(shell_.messages.back().text, "You may only remove previously added custom units.");

  Pick(dialog_->DropDownItem(ids::kSourceUnitList), "smoot");
  Click(ids::kRemoveUnitButton);
  EXPECT_TRUE(Closed());
  EXPECT_EQ(dialog_->ChangedCategory(), "Distance");
  EXPECT_EQ(shell_.messages.back().text, "Unit name [smoot] was removed from [Distance]");
  EXPECT_EQ(Unit("Distance", "smoot"), nullptr);
  EXPECT_EQ(Stored("CustomUnits", "smoot"), "-");
}

// A change the settings file does not take is not made, and never "Success".
TEST_F(CustomUnitsTest, AChangeTheFileDoesNotTakeSaysSoAndIsNotMade) {
  catalogue_.SelectCategory("Distance");
  catalogue_.AddUnit("smoot", " ", 170.18, 0, 0, 1, 1);
  namespace fs = std::filesystem;
  fs::permissions(context_.profile.File(),
                  fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const struct {
    const char* source;
    int button;
    const char* said;
  } cases[] = {
      {"inch", ids::kAddUnitButton,
       "Unit name [widget] was not added to [Distance]: the settings file could not be written."},
      {"smoot", ids::kRemoveUnitButton,
       "Unit name [smoot] was not removed from [Distance]: the settings file could not be "
       "written."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.said);
    shell_.messages.clear();
    Open("Distance", c.source);
    dialog_->EditItem(ids::kUnitNameEdit)->insert("widget");
    Click(c.button);
    EXPECT_FALSE(Closed());
    ASSERT_EQ(shell_.messages.size(), 1u);
    EXPECT_EQ(shell_.messages[0].caption, "Error");
    EXPECT_EQ(shell_.messages[0].text, c.said);
  }
  EXPECT_EQ(Unit("Distance", "widget"), nullptr);
  EXPECT_NE(Unit("Distance", "smoot"), nullptr);
}

TEST_F(CustomUnitsTest, EnterAddsTheTypedUnitAndClosesWhenNoneIsTyped) {
  for (const QString typed : {"new unit", ""}) {
    SCOPED_TRACE(typed.toStdString());
    shell_.messages.clear();
    CCustomUnits& dialog = Open("Distance", "inch", "12");
    ASSERT_TRUE(testing::ShowActive(dialog));
    dialog.Item(ids::kUnitNameEdit)->setFocus();
    QTest::keyClicks(dialog.Item(ids::kUnitNameEdit), typed);
    QTest::keyClick(dialog.Item(ids::kUnitNameEdit), Qt::Key_Return);
    EXPECT_TRUE(Closed());
    if (typed.isEmpty()) {
      EXPECT_EQ(dialog.LastResult(), 0);
      EXPECT_TRUE(shell_.messages.empty());
      continue;
    }
    EXPECT_EQ(dialog.LastResult(), 4);
    ASSERT_EQ(shell_.messages.size(), 1u);
    EXPECT_EQ(shell_.messages[0].caption, "Success");
    EXPECT_EQ(Stored("CustomUnits", "new unit"), "@Distance?val=30.48?i=0");
  }
}

}  // namespace
}  // namespace vantrel
