#include <QPushButton>
#include <QTest>
#include <memory>

#include "CatalogueDialogFixture.h"
#include "KitTestSupport.h"
#include "ui/CustomUnits.h"
#include "ui/ResourceIds.h"
#include "ui/kit/EditBox.h"

namespace vantrel {
namespace {

const QString kError = QStringLiteral("Error");
const QString kSuccess = QStringLiteral("Success");

class CustomUnitsTest : public testing::CatalogueDialogTest {
 protected:
  CCustomUnits& Open() {
    dialog_ = std::make_unique<CCustomUnits>(context_);
    EXPECT_TRUE(dialog_->Create());
    return *dialog_;
  }
  // Opens on a category and source unit, with a coefficient, as a user sets them.
  CCustomUnits& OpenOn(const QString& category, const QString& source,
                       const QString& coefficient = QStringLiteral("1")) {
    Open();
    Pick(dialog_->DropDownItem(ids::kUnitCategoryList), category);
    if (!source.isEmpty()) Pick(dialog_->DropDownItem(ids::kSourceUnitList), source);
    dialog_->EditItem(ids::kCoefficientEdit)->setText(coefficient);
    return *dialog_;
  }
  void Add(const QString& name) {
    dialog_->EditItem(ids::kUnitNameEdit)->setText(name);
    dialog_->ButtonItem(ids::kAddUnitButton)->click();
  }
  bool Closed() const { return dialog_->result() == QDialog::Accepted; }
  const CUnit* Unit(std::wstring_view category, const QString& name) {
    return catalogue_.FindCategory(category)->FindUnit(name.toStdWString());
  }
  QString Preview() const { return dialog_->ItemText(ids::kPreviewEdit); }

  std::unique_ptr<CCustomUnits> dialog_;
};

TEST_F(CustomUnitsTest, OpensOnTheFirstCategoryAndUnitAndPreviewsEveryChange) {
  CCustomUnits& dialog = Open();
  const DropDownList* categories = dialog.DropDownItem(ids::kUnitCategoryList);
  EXPECT_EQ(categories->GetCount(), 45) << "hidden categories too";
  EXPECT_EQ(categories->GetLBText(categories->GetCurSel()), QStringLiteral("Acceleration"));
  EXPECT_EQ(dialog.DropDownItem(ids::kSourceUnitList)->GetCurSel(), 0);
  EXPECT_EQ(dialog.ItemText(ids::kCoefficientEdit), QStringLiteral("1"));
  EXPECT_EQ(dialog.IsDlgButtonChecked(ids::kInvertCheck), 0);
  EXPECT_EQ(Preview(), QStringLiteral("Output = 1 × Input \r\nInput is in "
                                      "centimeter/second²\r\nOutput is in "));

  Pick(dialog.DropDownItem(ids::kUnitCategoryList), QStringLiteral("Distance"));
  Pick(dialog.DropDownItem(ids::kSourceUnitList), QStringLiteral("inch"));
  EXPECT_EQ(catalogue_.CurrentCategoryName(), L"Distance");
  EXPECT_EQ(catalogue_.CurrentCategory()->InputUnit()->name, L"inch");
  QTest::keyClicks(dialog.EditItem(ids::kUnitNameEdit), QStringLiteral("foot"));
  dialog.EditItem(ids::kCoefficientEdit)->setText(QStringLiteral("12"));
  EXPECT_EQ(Preview(),
            QStringLiteral("Output = 12 × Input \r\nInput is in inch\r\nOutput is in foot"));
  QTest::mouseClick(dialog.ButtonItem(ids::kInvertCheck), Qt::LeftButton);
  EXPECT_TRUE(Preview().startsWith(QStringLiteral("Output = 12 × (1.0 / Input) \r\n")));
}

TEST_F(CustomUnitsTest, NamesOfTwoTo25CharactersPassWithTheirBlanks) {
  const struct {
    QString name;
    bool added;
  } cases[] = {{QStringLiteral("a"), false},
               {QStringLiteral(" a"), true},
               {QStringLiteral("abcdefghijklmnopqrstuvwx "), true},
               {QStringLiteral(" abcdefghijklmnopqrstuvwx "), false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name.toStdString());
    OpenOn(QStringLiteral("Distance"), QStringLiteral("inch"));
    Add(c.name);
    EXPECT_EQ(Unit(L"Distance", c.name) != nullptr, c.added);
    EXPECT_EQ(Closed(), c.added);
    EXPECT_EQ(LastMessage(kError).isEmpty(), c.added);
    if (!c.added) {
      EXPECT_EQ(LastMessage(kError),
                QStringLiteral("The unit name must be between 2 and 25 characters long."));
    }
  }
}

TEST_F(CustomUnitsTest, ANameIsTakenOnlyByTheSameSpellingInTheSameCategory) {
  OpenOn(QStringLiteral("Distance"), QStringLiteral("inch"), QStringLiteral("12"));
  Add(QStringLiteral("Foot"));
  ASSERT_TRUE(Closed());
  EXPECT_EQ(LastMessage(kSuccess),
            QStringLiteral("Unit name [Foot] was successfully added to [Distance]"));
  EXPECT_EQ(shell_.messages.back().icon, MessageIcon::kNone);
  EXPECT_EQ(shell_.messages.back().owner, dialog_.get());
  EXPECT_EQ(Stored(L"CustomUnits", L"Foot"), L"@Distance?val=30.48?i=0");
  EXPECT_EQ(dialog_->ChangedCategory(), L"Distance");

  OpenOn(QStringLiteral("Distance"), QStringLiteral("inch"));
  Add(QStringLiteral("foot"));
  EXPECT_FALSE(Closed());
  EXPECT_EQ(dialog_->LastResult(), 1);
  EXPECT_EQ(LastMessage(kError), QStringLiteral("This unit name already exists."));
  EXPECT_EQ(shell_.messages.back().icon, MessageIcon::kExclamation);
}

TEST_F(CustomUnitsTest, AnEmptyCategoryGetsItsBaseUnitWhateverTheCoefficient) {
  catalogue_.AddCategory(L"Kitchen", 1, 1, 1);
  CCustomUnits& dialog = OpenOn(QStringLiteral("Kitchen"), {}, QStringLiteral("5"));
  for (const int id :
       {ids::kSourceUnitList, ids::kCoefficientEdit, ids::kRemoveUnitButton, ids::kInvertCheck})
    EXPECT_FALSE(dialog.Item(id)->isEnabled()) << id;
  EXPECT_TRUE(dialog.Item(ids::kUnitNameEdit)->isEnabled());
  EXPECT_TRUE(dialog.Item(ids::kAddUnitButton)->isEnabled());
  EXPECT_EQ(Preview(), QString());
  dialog.CheckDlgButton(ids::kInvertCheck, 1);
  Add(QStringLiteral("cup"));
  ASSERT_NE(Unit(L"Kitchen", QStringLiteral("cup")), nullptr);
  EXPECT_EQ(Unit(L"Kitchen", QStringLiteral("cup"))->coefficient, 1.0);
  EXPECT_EQ(Unit(L"Kitchen", QStringLiteral("cup"))->inverted, 0);
  EXPECT_EQ(Stored(L"CustomUnits", L"cup"), L"@Kitchen?val=1?i=0");
}

TEST_F(CustomUnitsTest, TheInvertBoxAndTheSourceDecideHowTheCoefficientApplies) {
  const double inch = 2.54;
  const double gallons =
      catalogue_.FindCategory(L"Fuel Consumption")->FindUnit(L"gallon (US)/100-mile")->coefficient;
  const struct {
    QString category, source;
    int check;
    double coefficient;
    int inverted;
  } cases[] = {
      {QStringLiteral("Distance"), QStringLiteral("inch"), 0, 12 * inch, 0},
      {QStringLiteral("Distance"), QStringLiteral("inch"), 1, inch / 12, 1},
      {QStringLiteral("Fuel Consumption"), QStringLiteral("gallon (US)/100-mile"), 1, 12 * gallons,
       0},
      {QStringLiteral("Fuel Consumption"), QStringLiteral("gallon (US)/100-mile"), 0, gallons / 12,
       1},
  };
  int n = 0;
  for (const auto& c : cases) {
    const QString name = QStringLiteral("made %1").arg(++n);
    SCOPED_TRACE(name.toStdString());
    OpenOn(c.category, c.source, QStringLiteral("12"));
    dialog_->CheckDlgButton(ids::kInvertCheck, c.check);
    Add(name);
    const CUnit* unit = Unit(c.category.toStdWString(), name);
    ASSERT_NE(unit, nullptr);
    EXPECT_DOUBLE_EQ(unit->coefficient, c.coefficient);
    EXPECT_EQ(unit->inverted, c.inverted);
  }
}

TEST_F(CustomUnitsTest, TheCoefficientIsAnExpressionOfAPositiveFiniteValue) {
  const QString unreadable = QStringLiteral("cannot be read");
  const QString notPositive = QStringLiteral("The coefficient must be greater than 0.");
  const struct {
    QString text, shown;
    double coefficient;  // 0: refused with `why`
    QString why;
  } cases[] = {
      {QStringLiteral("1/3"), QStringLiteral("0.33333333"), 2.54 / 3, {}},
      {QStringLiteral("2.54e-2"), QStringLiteral("0.0254"), 2.54 * 0.0254, {}},
      {QStringLiteral("12*3"), QStringLiteral("36"), 2.54 * 36, {}},
      {QString(), QStringLiteral("?"), 0, unreadable},
      {QStringLiteral("abc"), QStringLiteral("?"), 0, unreadable},
      {QStringLiteral("1/0"), QStringLiteral("?"), 0, unreadable},
      {QStringLiteral("1e308*10"), QStringLiteral("?"), 0, unreadable},
      {QStringLiteral("0"), QStringLiteral("0"), 0, notPositive},
      {QStringLiteral("-2"), QStringLiteral("-2"), 0, notPositive},
      {QStringLiteral("1e308"), QStringLiteral("1e+308"), 0, QStringLiteral("beyond the range")},
  };
  int n = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.toStdString());
    const QString name = QStringLiteral("part %1").arg(++n);
    OpenOn(QStringLiteral("Distance"), QStringLiteral("inch"), c.text);
    EXPECT_TRUE(Preview().startsWith(QStringLiteral("Output = ") + c.shown + " × Input \r\n"))
        << Preview().toStdString();
    Add(name);
    const CUnit* unit = Unit(L"Distance", name);
    if (c.coefficient != 0) {
      ASSERT_NE(unit, nullptr);
      EXPECT_DOUBLE_EQ(unit->coefficient, c.coefficient);
    } else {
      EXPECT_EQ(unit, nullptr);
      EXPECT_FALSE(Closed());
      EXPECT_TRUE(LastMessage(kError).contains(c.why)) << LastMessage(kError).toStdString();
      EXPECT_EQ(Stored(L"CustomUnits", name.toStdWString()), L"-");
    }
  }
}

TEST_F(CustomUnitsTest, NamesTheFileCannotHoldApartAreRefusedWithAReason) {
  catalogue_.SelectCategory(L"Distance");
  catalogue_.AddUnit(L"smoot", L" ", 170.18, 0, 0, 1, 1);
  const struct {
    QString category, name, why;
  } cases[] = {
      {QStringLiteral("Distance"), QStringLiteral("a=b"), QStringLiteral("cannot be saved")},
      {QStringLiteral("Time"), QStringLiteral("SMOOT"), QStringLiteral("only in letter case")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name.toStdString());
    OpenOn(c.category, {});
    // Pasted: only typing is filtered.
    dialog_->EditItem(ids::kUnitNameEdit)->insert(c.name);
    dialog_->ButtonItem(ids::kAddUnitButton)->click();
    EXPECT_EQ(Unit(c.category.toStdWString(), c.name), nullptr);
    EXPECT_FALSE(Closed());
    EXPECT_TRUE(LastMessage(kError).contains(c.why)) << LastMessage(kError).toStdString();
  }
  EXPECT_EQ(Stored(L"CustomUnits", L"smoot"), L"@Distance?val=170.18?i=0");
}

TEST_F(CustomUnitsTest, TypingFiltersKeepNamesAndCoefficientsToTheirCharacters) {
  CCustomUnits& dialog = Open();
  EditBox* name = dialog.EditItem(ids::kUnitNameEdit);
  QTest::keyClicks(name, QStringLiteral("a(b.c_d-e /f=;["));
  EXPECT_EQ(name->Text(), QStringLiteral("abcd-e /f"));
  QTest::keyClick(name, Qt::Key_Backspace);
  EXPECT_EQ(name->Text(), QStringLiteral("abcd-e /"));
  EditBox* coefficient = dialog.EditItem(ids::kCoefficientEdit);
  coefficient->clear();
  QTest::keyClicks(coefficient, QStringLiteral("1x.5eE/q*(2)^3,"));
  EXPECT_EQ(coefficient->Text(), QStringLiteral("1.5eE/*(2)^3"));
}

TEST_F(CustomUnitsTest, RemovesOnlyCustomUnits) {
  catalogue_.SelectCategory(L"Distance");
  catalogue_.AddUnit(L"smoot", L" ", 170.18, 0, 0, 1, 1);
  OpenOn(QStringLiteral("Distance"), QStringLiteral("foot"));
  dialog_->ButtonItem(ids::kRemoveUnitButton)->click();
  EXPECT_FALSE(Closed());
  EXPECT_EQ(dialog_->LastResult(), 3);
  EXPECT_EQ(LastMessage(kError),
            QStringLiteral("You may only remove previously added custom units."));
  EXPECT_NE(Unit(L"Distance", QStringLiteral("foot")), nullptr);

  Pick(dialog_->DropDownItem(ids::kSourceUnitList), QStringLiteral("smoot"));
  dialog_->ButtonItem(ids::kRemoveUnitButton)->click();
  EXPECT_TRUE(Closed());
  EXPECT_EQ(dialog_->LastResult(), 4);
  EXPECT_EQ(dialog_->ChangedCategory(), L"Distance");
  EXPECT_EQ(LastMessage(kSuccess), QStringLiteral("Unit name [smoot] was removed from [Distance]"));
  EXPECT_EQ(Unit(L"Distance", QStringLiteral("smoot")), nullptr);
  EXPECT_EQ(Stored(L"CustomUnits", L"smoot"), L"-");
}

TEST_F(CustomUnitsTest, EnterClosesWithoutAdding) {
  CCustomUnits& dialog = OpenOn(QStringLiteral("Distance"), QStringLiteral("inch"));
  ASSERT_TRUE(testing::ShowActive(dialog));
  dialog.Item(ids::kUnitNameEdit)->setFocus();
  QTest::keyClicks(dialog.Item(ids::kUnitNameEdit), QStringLiteral("new unit"));
  QTest::keyClick(dialog.Item(ids::kUnitNameEdit), Qt::Key_Return);
  EXPECT_TRUE(Closed());
  EXPECT_EQ(dialog.LastResult(), 0);
  EXPECT_EQ(Unit(L"Distance", QStringLiteral("new unit")), nullptr);
  EXPECT_TRUE(shell_.messages.empty());
}

}  // namespace
}  // namespace vantrel
