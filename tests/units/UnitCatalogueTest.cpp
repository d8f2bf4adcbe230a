// The catalogue's operations in memory: result codes, selection and the
// enumeration protocol.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "units/UnitCatalogue.h"

namespace vantrel {
namespace {

class UnitCatalogueTest : public ::testing::Test {
 protected:
  void SetUp() override {
    catalogue_.AddCategory(L"Acceleration", 0, 0, 1);
    catalogue_.SelectCategory(L"Acceleration");
    catalogue_.AddUnit(L"centimeter/second²", L"cm/s²", 1, 0, 0, 0, 0);
    catalogue_.AddUnit(L"galileo", L"Gal", 1, 0, 0, 0, 0);
    catalogue_.AddUnit(L"free fall", L" ", 980.665, 0, 0, 0, 0);
    catalogue_.AddCategory(L"Mine", 0, 1, 1);
  }

  std::set<std::wstring> UnitTexts(bool withAbbreviation) {
    std::set<std::wstring> texts;
    catalogue_.SetUnitRestart(true);
    for (std::wstring t = catalogue_.NextUnitText(withAbbreviation); !t.empty();
         t = catalogue_.NextUnitText(withAbbreviation))
      EXPECT_TRUE(texts.insert(t).second) << t;
    return texts;
  }

  CUnitCatalogue catalogue_;
};

TEST_F(UnitCatalogueTest, AddReportsExistingNamesExactly) {
  EXPECT_EQ(catalogue_.AddCategory(L"Acceleration", 0, 1, 1), 1);
  EXPECT_EQ(catalogue_.AddCategory(L"acceleration", 0, 1, 1), 4);  // case counts in memory
  EXPECT_EQ(catalogue_.AddUnit(L"galileo", L" ", 2, 0, 0, 1, 0), 1);
  EXPECT_EQ(catalogue_.FindCategory(L"Acceleration")->FindUnit(L"galileo")->coefficient, 1);
  EXPECT_EQ(catalogue_.AddUnit(L"Galileo", L" ", 2, 0, 0, 1, 0), 4);
  EXPECT_EQ(catalogue_.AddUnit(L"galileo ", L" ", 3, 0, 0, 1, 0), 4);  // blanks count
  // The same name in another category is another unit.
  catalogue_.SelectCategory(L"Mine");
  EXPECT_EQ(catalogue_.AddUnit(L"galileo", L" ", 5, 0, 0, 1, 0), 4);
  EXPECT_EQ(catalogue_.FindCategory(L"Mine")->FindUnit(L"galileo")->coefficient, 5);
  EXPECT_EQ(catalogue_.AddCategory(L"Mine", 0, 1, 1), 1);
}

TEST_F(UnitCatalogueTest, RemoveCodes) {
  EXPECT_EQ(catalogue_.RemoveUnit(L"nothing"), 2);
  EXPECT_EQ(catalogue_.RemoveUnit(L"galileo"), 3);
  EXPECT_NE(catalogue_.FindCategory(L"Acceleration")->FindUnit(L"galileo"), nullptr);
  EXPECT_EQ(catalogue_.RemoveCategory(L"nothing"), 2);
  EXPECT_EQ(catalogue_.RemoveCategory(L"Acceleration"), 3);
  EXPECT_EQ(catalogue_.RemoveCategory(L"Mine"), 4);
  EXPECT_EQ(catalogue_.FindCategory(L"Mine"), nullptr);
  EXPECT_EQ(catalogue_.SetCategoryVisibility(L"Mine", 0), 2);
  EXPECT_EQ(catalogue_.SetCategoryVisibility(L"Acceleration", 0), 4);
  EXPECT_EQ(catalogue_.FindCategory(L"Acceleration")->Visible(), 0);
}

TEST_F(UnitCatalogueTest, RemovingTheSelectedUnitClearsTheSelection) {
  catalogue_.AddUnit(L"mine", L" ", 2, 0, 0, 1, 0);
  CCategory& category = *catalogue_.CurrentCategory();
  category.SelectInputUnit(L"mine");
  category.SelectOutputUnit(L"galileo");
  EXPECT_EQ(catalogue_.RemoveUnit(L"mine"), 4);
  EXPECT_EQ(category.InputUnit(), nullptr);
  EXPECT_EQ(category.OutputUnit()->name, L"galileo");
  EXPECT_EQ(catalogue_.Convert(1), L"");  // no crash, nothing to show
}

TEST_F(UnitCatalogueTest, RemovingTheCurrentCategoryLeavesNoneCurrent) {
  catalogue_.SelectCategory(L"Mine");
  EXPECT_EQ(catalogue_.RemoveCategory(L"Mine"), 4);
  EXPECT_EQ(catalogue_.CurrentCategoryName(), L"");
  EXPECT_EQ(catalogue_.AddUnit(L"x", L" ", 1, 0, 0, 1, 0), 2);
  EXPECT_EQ(catalogue_.RemoveUnit(L"x"), 2);
  catalogue_.SetUnitRestart(true);
  EXPECT_EQ(catalogue_.NextUnitText(false), L"");
}

TEST_F(UnitCatalogueTest, SelectingAnUnknownNameKeepsThePreviousSelection) {
  CCategory& category = *catalogue_.CurrentCategory();
  EXPECT_TRUE(category.SelectInputUnit(L"free fall"));
  EXPECT_TRUE(category.SelectOutputUnit(L"galileo"));
  EXPECT_FALSE(category.SelectInputUnit(L"Free fall"));
  EXPECT_FALSE(category.SelectOutputUnit(L"nothing"));
  EXPECT_EQ(catalogue_.Convert(1), L"980.665");
  EXPECT_FALSE(catalogue_.SelectCategory(L"nothing"));
  EXPECT_EQ(catalogue_.CurrentCategoryName(), L"Acceleration");
}

TEST_F(UnitCatalogueTest, CategoryEnumerationRunsOnceUntilRestarted) {
  std::set<std::wstring> names;
  // The flag is set when the catalogue starts.
  while (const CCategory* category = catalogue_.NextCategory())
    EXPECT_TRUE(names.insert(category->Name()).second);
  EXPECT_EQ(names, (std::set<std::wstring>{L"Acceleration", L"Mine"}));
  EXPECT_EQ(catalogue_.NextCategory(), nullptr);
  catalogue_.SetCategoryRestart(true);
  EXPECT_NE(catalogue_.NextCategory(), nullptr);
}

TEST_F(UnitCatalogueTest, RemovingTheCategoryUnderTheCursorKeepsEnumerating) {
  catalogue_.AddCategory(L"Zeta", 0, 1, 1);
  catalogue_.SetCategoryRestart(true);
  std::set<std::wstring> seen;
  while (const CCategory* category = catalogue_.NextCategory()) {
    seen.insert(category->Name());
    if (category->Name() == L"Acceleration") catalogue_.RemoveCategory(L"Mine");
  }
  EXPECT_EQ(seen, (std::set<std::wstring>{L"Acceleration", L"Zeta"}));
}

TEST_F(UnitCatalogueTest, UnitTextsWithAndWithoutAbbreviations) {
  EXPECT_EQ(UnitTexts(false),
            (std::set<std::wstring>{L"centimeter/second²", L"galileo", L"free fall"}));
  EXPECT_EQ(UnitTexts(true), (std::set<std::wstring>{L"centimeter/second² [cm/s²]",
                                                     L"galileo [Gal]", L"free fall"}));
  // Without a restart the enumeration stays at its end.
  EXPECT_EQ(catalogue_.NextUnitText(false), L"");
}

TEST_F(UnitCatalogueTest, EmptyAbbreviationIsShownUnlikeTheBlankOne) {
  catalogue_.AddUnit(L"MBH", L"", 293.071, 0, 0, 0, 0);
  EXPECT_TRUE(UnitTexts(true).count(L"MBH []"));
}

TEST_F(UnitCatalogueTest, ClearAllEmptiesEverything) {
  catalogue_.ClearAll();
  EXPECT_TRUE(catalogue_.Categories().empty());
  EXPECT_EQ(catalogue_.CurrentCategoryName(), L"");
  catalogue_.SetCategoryRestart(true);
  EXPECT_EQ(catalogue_.NextCategory(), nullptr);
}

}  // namespace
}  // namespace vantrel
