#include <QPushButton>
#include <functional>
#include <memory>

#include "CatalogueDialogFixture.h"
#include "ui/CustomCategories.h"
#include "ui/CustomUnits.h"
#include "ui/ResourceIds.h"

namespace vantrel {
namespace {

using testing::Pick;

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

TEST_F(CustomCategoriesTest, AddChecksTheLengthThenNormalisesAndAddsOnce) {
  CCustomCategories& first = Open();
  EXPECT_EQ(first.DropDownItem(ids::kRemovableCategoryList)->GetCount(), 45) << "hidden too";
  EXPECT_EQ(first.ItemText(ids::kRemovableCategoryList), "Acceleration");
  EXPECT_TRUE(first.ItemAs<QPushButton>(ids::kAddCategoryButton)->isDefault()) << "Enter adds";
  const struct {
    const char *typed, *stored, *why;  // stored empty: refused, saying `why`
  } cases[] = {
      {"a", "", "The category name must be between 2 and 25 characters long."},
      {" abcdefghijklmnopqrstuvwx ", "", "between 2 and 25"},
      {"ab", "Ab", ""},
      {"abcdefghijklmnopqrstuvwX ", "Abcdefghijklmnopqrstuvwx ", ""},
      {"my UNITS", "My units", ""},
      {" my cat", " my cat", ""},
      {"éLAN Vital", "élan vital", ""},
      {"tEMPERATURE", "", "This category name already exists."},
      // The file would hold one visibility entry for the two.
      {"fuel consumption", "", "differs from [Fuel consumption] only in letter case"},
      {"a=b", "", "cannot be saved in the settings file"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    const std::size_t before = catalogue_.Categories().size();
    Open().SetItemText(ids::kCategoryNameEdit, c.typed);
    dialog_->ButtonItem(ids::kAddCategoryButton)->click();
    const QString stored = c.stored;
    EXPECT_EQ(Closed(), !stored.isEmpty());
    if (stored.isEmpty()) {
      EXPECT_EQ(catalogue_.Categories().size(), before);
      EXPECT_EQ(shell_.messages.back().caption, "Error");
      EXPECT_TRUE(shell_.messages.back().text.contains(c.why))
          << shell_.messages.back().text.toStdString();
      continue;
    }
    const CCategory* added = catalogue_.FindCategory(stored.toStdString());
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->Custom() + added->Visible(), 2);
    EXPECT_EQ(Stored("CustomCategories", stored.toStdString()), "");
    EXPECT_EQ(shell_.messages.back().text,
              QStringLiteral("Category [%1] was successfully added.").arg(stored));
  }
}

TEST_F(CustomCategoriesTest, RemovesOnlyCustomCategoriesTogetherWithTheirUnits) {
  catalogue_.AddCategory("Kitchen", 1, 1, 1);
  catalogue_.SelectCategory("Kitchen");
  catalogue_.AddUnit("cup", " ", 1, 0, 0, 1, 1);
  catalogue_.AddUnit("spoon", " ", 1.0 / 16, 0, 0, 1, 1);
  catalogue_.SelectCategory("Distance");
  catalogue_.AddUnit("smoot", " ", 170.18, 0, 0, 1, 1);

  Pick(Open().DropDownItem(ids::kRemovableCategoryList), "Distance");
  dialog_->ButtonItem(ids::kRemoveCategoryButton)->click();
  EXPECT_FALSE(Closed());
  EXPECT_EQ(dialog_->LastResult(), 3);
  EXPECT_EQ(shell_.messages.back().text, "You may only remove previously added custom categories.");

  Pick(dialog_->DropDownItem(ids::kRemovableCategoryList), "Kitchen");
  dialog_->ButtonItem(ids::kRemoveCategoryButton)->click();
  EXPECT_TRUE(Closed());
  EXPECT_EQ(shell_.messages.back().text, "Category [Kitchen] was successfully removed.");
  EXPECT_EQ(catalogue_.FindCategory("Kitchen"), nullptr);
  EXPECT_EQ(Stored("CustomCategories", "Kitchen"), "-");
  EXPECT_EQ(Stored("CustomUnits", "cup") + Stored("CustomUnits", "spoon"), "--");
  EXPECT_EQ(Stored("CustomUnits", "smoot"), "@Distance?val=170.18?i=0");
}

// The dialog font rule, for both dialogs that change the catalogue.
TEST_F(CustomCategoriesTest, BothDialogsFollowTheDialogFontRule) {
  const std::function<std::unique_ptr<TemplateDialog>(AppContext&)> makers[] = {
      [](AppContext& context) { return std::make_unique<CCustomUnits>(context); },
      [](AppContext& context) { return std::make_unique<CCustomCategories>(context); },
  };
  AppContext empty(Profile(dir_ / "Mensura.ini"), shell_);
  for (const auto& make : makers) {
    for (const int custom : {1, 0}) {
      context_.dialogFont = PreferredFont{custom != 0, "DejaVu Serif", 11};
      const std::unique_ptr<TemplateDialog> dialog = make(context_);
      ASSERT_TRUE(dialog->Create());
      EXPECT_EQ(dialog->font().pointSize(), custom ? 11 : 8);
    }
    EXPECT_EQ(make(empty)->DoModal(), -1) << "no template";
  }
}

}  // namespace
}  // namespace vantrel
