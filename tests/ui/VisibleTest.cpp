#include <QAbstractButton>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>

#include "PreferencesFixture.h"
#include "ui/kit/ListSort.h"

namespace vantrel {
namespace {

class VisibleTest : public testing::PreferencesFixture {
 protected:
  QStringList Names() {
    QStringList names;
    for (int i = 0; i < Categories()->GetItemCount(); ++i) names << Categories()->GetItemText(i);
    return names;
  }
  int Checked() {
    int checked = 0;
    for (int i = 0; i < Categories()->GetItemCount(); ++i) checked += Categories()->GetCheck(i);
    return checked;
  }
  QStringList MainCategories() {
    QStringList names;
    const DropDownList* list = main_->DropDownItem(ids::kCategoryList);
    for (int i = 0; i < list->GetCount(); ++i) names << list->GetLBText(i);
    return names;
  }
  // The user clicks into the list and clears the category's box with Space.
  void UserClears(const QString& name) {
    ASSERT_TRUE(testing::ShowActive(*sheet_));
    sheet_->SetActivePage(2);
    const int row = static_cast<int>(Names().indexOf(name));
    ASSERT_GE(row, 0);
    Categories()->setFocus(Qt::MouseFocusReason);
    Categories()->setCurrentRow(row);
    QTest::keyClick(Categories(), Qt::Key_Space);
    ASSERT_FALSE(Categories()->GetCheck(row));
  }
};

TEST_F(VisibleTest, ListsEveryCategorySortedAndCheckedExactlyWhenVisible) {
  Start();
  main_->Catalogue().SetCategoryVisibility("Numbers", 1);  // as Find does for a hidden one
  Open();
  QStringList expected;
  for (const auto& [name, category] : main_->Catalogue().Categories())
    expected << QString::fromStdString(name);
  std::sort(expected.begin(), expected.end(),
            [](const QString& a, const QString& b) { return CompareListText(a, b) < 0; });
  EXPECT_EQ(Names(), expected);
  for (int i = 0; i < Categories()->GetItemCount(); ++i) {
    const CCategory* category = main_->Catalogue().FindCategory(Names()[i].toStdString());
    EXPECT_EQ(Categories()->GetCheck(i), category->Visible() == 1) << Names()[i].toStdString();
  }
  EXPECT_TRUE(Categories()->GetCheck(static_cast<int>(Names().indexOf("Numbers"))));
}

// The user looks at the page (a click on its tab) and presses OK: the window
// keeps its selection.
TEST_F(VisibleTest, NothingIsStoredWithoutFocusOrClick) {
  Start();
  const int temperature = static_cast<int>(MainCategories().indexOf("Temperature"));
  main_->DropDownItem(ids::kCategoryList)->SetCurSel(temperature);
  main_->OnSelectCategory();
  Settings().DeleteKey("Visibility", "Numbers");
  RunPreferences([&] {
    ASSERT_TRUE(testing::ShowActive(*sheet_));
    General().Item(ids::kOnTopCheck)->setFocus();
    QTabBar* tabs = sheet_->TabControl()->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
    ASSERT_EQ(sheet_->GetActiveIndex(), 2);
    PressOk();
  });
  EXPECT_EQ(Settings().GetInt("Visibility", "Numbers", -1), -1);
  EXPECT_EQ(main_->DropDownItem(ids::kCategoryList)->GetCurSel(), temperature);
}

TEST_F(VisibleTest, AClearedCategoryIsHiddenInTheWindowAndEveryCategoryWritten) {
  Start();
  ASSERT_TRUE(MainCategories().contains("Temperature"));
  main_->DropDownItem(ids::kCategoryList)->SetCurSel(3);
  for (const IniEntry& entry : Settings().GetSection("Visibility"))
    Settings().DeleteKey("Visibility", entry.key);
  RunPreferences([&] {
    UserClears(QStringLiteral("Temperature"));
    PressOk();
  });
  EXPECT_FALSE(MainCategories().contains("Temperature"));
  EXPECT_EQ(main_->DropDownItem(ids::kCategoryList)->GetCurSel(), 0);
  EXPECT_EQ(main_->Catalogue().CurrentCategoryName(), MainCategories()[0].toStdString());
  EXPECT_EQ(Settings().GetInt("Visibility", "Temperature", -1), 0);
  EXPECT_EQ(Settings().GetSection("Visibility").size(), main_->Catalogue().Categories().size());
  EXPECT_EQ(Settings().GetInt("Visibility", "Acceleration", -1), 1);
}

TEST_F(VisibleTest, DisplayAllChecksEveryCategoryAndClearsThemWhenClickedAgain) {
  Start();
  const int all = static_cast<int>(main_->Catalogue().Categories().size());
  Open();
  QAbstractButton* displayAll = Visible().ButtonItem(ids::kDisplayAllCheck);
  displayAll->click();
  EXPECT_EQ(Checked(), all);
  displayAll->click();
  EXPECT_EQ(Checked(), 0);
  PressOk();
  EXPECT_TRUE(Visible().Changed());
  EXPECT_EQ(main_->Catalogue().FindCategory("Acceleration")->Visible(), 0);
  const std::vector<IniEntry> stored = Settings().GetSection("Visibility");
  EXPECT_TRUE(std::all_of(stored.begin(), stored.end(),
                          [](const IniEntry& entry) { return entry.value == "0"; }));
}

}  // namespace
}  // namespace vantrel
