#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

#include "CatalogueDialogFixture.h"
#include "KitTestSupport.h"
#include "ui/CustomCategories.h"
#include "ui/CustomUnits.h"
#include "ui/ResourceIds.h"
#include "ui/kit/EditBox.h"

namespace vantrel {
namespace {

const QString kError = QStringLiteral("Error");
const QString kSuccess = QStringLiteral("Success");

class CustomCategoriesTest : public testing::CatalogueDialogTest {
 protected:
  CCustomCategories& Open() {
    dialog_ = std::make_unique<CCustomCategories>(context_);
    EXPECT_TRUE(dialog_->Create());
    return *dialog_;
  }
  bool Closed() const { return dialog_->result() == QDialog::Accepted; }

  std::unique_ptr<CCustomCategories> dialog_;
};

TEST_F(CustomCategoriesTest, OpensWithEveryCategoryToRemoveAndAddAsTheDefault) {
  CCustomCategories& dialog = Open();
  const DropDownList* categories = dialog.DropDownItem(ids::kRemovableCategoryList);
  EXPECT_EQ(categories->GetCount(), 45) << "hidden categories too";
  EXPECT_EQ(categories->GetLBText(categories->GetCurSel()), QStringLiteral("Acceleration"));
  EXPECT_EQ(dialog.ItemText(ids::kCategoryNameEdit), QString());
  EXPECT_TRUE(dialog.ItemAs<QPushButton>(ids::kAddCategoryButton)->isDefault());
  EXPECT_EQ(dialog.LastResult(), 0);
}

TEST_F(CustomCategoriesTest, NamesAreCheckedForLengthThenNormalisedAndAddedOnce) {
  const QString length =
      QStringLiteral("The category name must be between 2 and 25 characters long.");
  const struct {
    QString typed, stored, why;  // stored empty: refused with `why`
  } cases[] = {
      {QStringLiteral("a"), {}, length},
      {QStringLiteral(" abcdefghijklmnopqrstuvwx "), {}, length},
      {QStringLiteral("ab"), QStringLiteral("Ab"), {}},
      {QStringLiteral("abcdefghijklmnopqrstuvwX "),
       QStringLiteral("Abcdefghijklmnopqrstuvwx "),
       {}},
      {QStringLiteral("my UNITS"), QStringLiteral("My units"), {}},
      {QStringLiteral(" my cat"), QStringLiteral(" my cat"), {}},
      {QStringLiteral("éLAN Vital"), QStringLiteral("élan vital"), {}},
      {QStringLiteral("tEMPERATURE"), {}, QStringLiteral("This category name already exists.")},
      // The file would hold one visibility entry for the two.
      {QStringLiteral("fuel consumption"), {}, QStringLiteral("[Fuel consumption] only in letter")},
      {QStringLiteral("a=b"), {}, QStringLiteral("cannot be saved")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed.toStdString());
    const std::size_t before = catalogue_.Categories().size();
    Open().EditItem(ids::kCategoryNameEdit)->setText(c.typed);
    dialog_->ButtonItem(ids::kAddCategoryButton)->click();
    EXPECT_EQ(Closed(), !c.stored.isEmpty());
    if (c.stored.isEmpty()) {
      EXPECT_EQ(catalogue_.Categories().size(), before);
      EXPECT_TRUE(LastMessage(kError).contains(c.why)) << LastMessage(kError).toStdString();
      continue;
    }
    const CCategory* added = catalogue_.FindCategory(c.stored.toStdWString());
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->Custom(), 1);
    EXPECT_EQ(added->Visible(), 1);
    EXPECT_TRUE(added->Units().empty());
    EXPECT_EQ(Stored(L"CustomCategories", c.stored.toStdWString()), L"");
    EXPECT_EQ(LastMessage(kSuccess),
              QStringLiteral("Category [%1] was successfully added.").arg(c.stored));
  }
}

TEST_F(CustomCategoriesTest, EnterAdds) {
  CCustomCategories& dialog = Open();
  ASSERT_TRUE(testing::ShowActive(dialog));
  dialog.Item(ids::kCategoryNameEdit)->setFocus();
  QTest::keyClicks(dialog.Item(ids::kCategoryNameEdit), QStringLiteral("my own"));
  QTest::keyClick(dialog.Item(ids::kCategoryNameEdit), Qt::Key_Return);
  EXPECT_TRUE(Closed());
  EXPECT_EQ(dialog.LastResult(), 4);
  EXPECT_NE(catalogue_.FindCategory(L"My own"), nullptr);
}

TEST_F(CustomCategoriesTest, RemovesOnlyCustomCategoriesTogetherWithTheirUnits) {
  catalogue_.AddCategory(L"Kitchen", 1, 1, 1);
  catalogue_.SelectCategory(L"Kitchen");
  catalogue_.AddUnit(L"cup", L" ", 1, 0, 0, 1, 1);
  catalogue_.AddUnit(L"spoon", L" ", 1.0 / 16, 0, 0, 1, 1);
  catalogue_.SelectCategory(L"Distance");
  catalogue_.AddUnit(L"smoot", L" ", 170.18, 0, 0, 1, 1);

  Pick(Open().DropDownItem(ids::kRemovableCategoryList), QStringLiteral("Distance"));
  dialog_->ButtonItem(ids::kRemoveCategoryButton)->click();
  EXPECT_FALSE(Closed());
  EXPECT_EQ(dialog_->LastResult(), 3);
  EXPECT_EQ(LastMessage(kError),
            QStringLiteral("You may only remove previously added custom categories."));
  EXPECT_NE(catalogue_.FindCategory(L"Distance"), nullptr);

  Pick(dialog_->DropDownItem(ids::kRemovableCategoryList), QStringLiteral("Kitchen"));
  dialog_->ButtonItem(ids::kRemoveCategoryButton)->click();
  EXPECT_TRUE(Closed());
  EXPECT_EQ(dialog_->LastResult(), 4);
  EXPECT_EQ(LastMessage(kSuccess), QStringLiteral("Category [Kitchen] was successfully removed."));
  EXPECT_EQ(catalogue_.FindCategory(L"Kitchen"), nullptr);
  EXPECT_EQ(Stored(L"CustomCategories", L"Kitchen"), L"-");
  EXPECT_EQ(Stored(L"CustomUnits", L"cup"), L"-");
  EXPECT_EQ(Stored(L"CustomUnits", L"spoon"), L"-");
  EXPECT_EQ(Stored(L"CustomUnits", L"smoot"), L"@Distance?val=170.18?i=0");
}

// The dialog font rule, for both dialogs that change the catalogue.
TEST_F(CustomCategoriesTest, BothDialogsFollowTheDialogFontRule) {
  const std::function<std::unique_ptr<TemplateDialog>(AppContext&)> makers[] = {
      [](AppContext& context) { return std::make_unique<CCustomUnits>(context); },
      [](AppContext& context) { return std::make_unique<CCustomCategories>(context); },
  };
  for (const auto& make : makers) {
    context_.dialogFont = DialogFont{1, L"DejaVu Serif", 11};
    const std::unique_ptr<TemplateDialog> custom = make(context_);
    ASSERT_TRUE(custom->Create());
    EXPECT_EQ(custom->font().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(custom->font().pointSize(), 11);
    context_.dialogFont.customFont = 0;
    const std::unique_ptr<TemplateDialog> plain = make(context_);
    ASSERT_TRUE(plain->Create());
    EXPECT_EQ(plain->font().pointSize(), 8);

    AppContext empty(Profile(dir_ / "Mensura.ini"), shell_);
    empty.catalogue = &catalogue_;
    EXPECT_EQ(make(empty)->DoModal(), -1);
  }
}

}  // namespace
}  // namespace vantrel
