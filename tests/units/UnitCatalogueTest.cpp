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
    catalogue_.AddCategory("Acceleration", 0, 0, 1);
    catalogue_.SelectCategory("Acceleration");
    catalogue_.AddUnit("centimeter/second²", "cm/s²", 1, 0, 0, 0, 0);
    catalogue_.AddUnit("galileo", "Gal", 1, 0, 0, 0, 0);
    catalogue_.AddUnit("free fall", " ", 980.665, 0, 0, 0, 0);
    catalogue_.AddCategory("Mine", 0, 1, 1);
  }

  std::set<std::string> UnitTexts(bool withAbbreviation) {
    std::set<std::string> texts;
    catalogue_.SetUnitRestart(true);
    for (std::string t = catalogue_.NextUnitText(withAbbreviation); !t.empty();
         t = catalogue_.NextUnitText(withAbbreviation))
      EXPECT_TRUE(texts.insert(t).second) << t;
    return texts;
  }

  CUnitCatalogue catalogue_;
};

TEST_F(UnitCatalogueTest, AddReportsExistingNamesExactly) {
  EXPECT_EQ(catalogue_.AddCategory("Acceleration", 0, 1, 1), 1);
  EXPECT_EQ(catalogue_.AddCategory("acceleration", 0, 1, 1), 4);  // case counts in memory
  EXPECT_EQ(catalogue_.AddUnit("galileo", " ", 2, 0, 0, 1, 0), 1);
  EXPECT_EQ(catalogue_.FindCategory("Acceleration")->FindUnit("galileo")->coefficient, 1);
  EXPECT_EQ(catalogue_.AddUnit("Galileo", " ", 2, 0, 0, 1, 0), 4);
  EXPECT_EQ(catalogue_.AddUnit("galileo ", " ", 3, 0, 0, 1, 0), 4);  // blanks count
  // The same name in another category is another unit.
  catalogue_.SelectCategory("Mine");
  EXPECT_EQ(catalogue_.AddUnit("galileo", " ", 5, 0, 0, 1, 0), 4);
  EXPECT_EQ(catalogue_.FindCategory("Mine")->FindUnit("galileo")->coefficient, 5);
  EXPECT_EQ(catalogue_.AddCategory("Mine", 0, 1, 1), 1);
}

TEST_F(UnitCatalogueTest, RemoveCodes) {
  EXPECT_EQ(catalogue_.RemoveUnit("nothing"), 2);
  EXPECT_EQ(catalogue_.RemoveUnit("galileo"), 3);
  EXPECT_NE(catalogue_.FindCategory("Acceleration")->FindUnit("galileo"), nullptr);
  EXPECT_EQ(catalogue_.RemoveCategory("nothing"), 2);
  EXPECT_EQ(catalogue_.RemoveCategory("Acceleration"), 3);
  EXPECT_EQ(catalogue_.RemoveCategory("Mine"), 4);
  EXPECT_EQ(catalogue_.FindCategory("Mine"), nullptr);
  EXPECT_EQ(catalogue_.SetCategoryVisibility("Mine", 0), 2);
  EXPECT_EQ(catalogue_.SetCategoryVisibility("Acceleration", 0), 4);
  EXPECT_EQ(catalogue_.FindCategory("Acceleration")->Visible(), 0);
}

TEST_F(UnitCatalogueTest, RemovingTheSelectedUnitClearsTheSelection) {
  catalogue_.AddUnit("mine", " ", 2, 0, 0, 1, 0);
  CCategory& category = *catalogue_.CurrentCategory();
  category.SelectInputUnit("mine");
  category.SelectOutputUnit("galileo");
  EXPECT_EQ(catalogue_.RemoveUnit("mine"), 4);
  EXPECT_EQ(category.InputUnit(), nullptr);
  EXPECT_EQ(category.OutputUnit()->name, "galileo");
  EXPECT_EQ(catalogue_.Convert(1), "");  // no crash, nothing to show
}

TEST_F(UnitCatalogueTest, RemovingTheCurrentCategoryLeavesNoneCurrent) {
  catalogue_.SelectCategory("Mine");
  EXPECT_EQ(catalogue_.RemoveCategory("Mine"), 4);
  EXPECT_EQ(catalogue_.CurrentCategoryName(), "");
  EXPECT_EQ(catalogue_.AddUnit("x", " ", 1, 0, 0, 1, 0), 2);
  EXPECT_EQ(catalogue_.RemoveUnit("x"), 2);
  catalogue_.SetUnitRestart(true);
  EXPECT_EQ(catalogue_.NextUnitText(false), "");
}

TEST_F(UnitCatalogueTest, SelectingAnUnknownNameKeepsThePreviousSelection) {
  CCategory& category = *catalogue_.CurrentCategory();
  EXPECT_TRUE(category.SelectInputUnit("free fall"));
  EXPECT_TRUE(category.SelectOutputUnit("galileo"));
  EXPECT_FALSE(category.SelectInputUnit("Free fall"));
  EXPECT_FALSE(category.SelectOutputUnit("nothing"));
  EXPECT_EQ(catalogue_.Convert(1), "980.665");
  EXPECT_FALSE(catalogue_.SelectCategory("nothing"));
  EXPECT_EQ(catalogue_.CurrentCategoryName(), "Acceleration");
}

TEST_F(UnitCatalogueTest, CategoryEnumerationRunsOnceUntilRestarted) {
  std::set<std::string> names;
  // The flag is set when the catalogue starts.
  while (const CCategory* category = catalogue_.NextCategory())
    EXPECT_TRUE(names.insert(category->Name()).second);
  EXPECT_EQ(names, (std::set<std::string>{"Acceleration", "Mine"}));
  EXPECT_EQ(catalogue_.NextCategory(), nullptr);
  catalogue_.SetCategoryRestart(true);
  EXPECT_NE(catalogue_.NextCategory(), nullptr);
}

TEST_F(UnitCatalogueTest, RemovingTheCategoryUnderTheCursorKeepsEnumerating) {
  catalogue_.AddCategory("Zeta", 0, 1, 1);
  catalogue_.SetCategoryRestart(true);
  std::set<std::string> seen;
  while (const CCategory* category = catalogue_.NextCategory()) {
    seen.insert(category->Name());
    if (category->Name() == "Acceleration") catalogue_.RemoveCategory("Mine");
  }
  EXPECT_EQ(seen, (std::set<std::string>{"Acceleration", "Zeta"}));
}

TEST_F(UnitCatalogueTest, UnitTextsWithAndWithoutAbbreviations) {
  EXPECT_EQ(UnitTexts(false),
            (std::set<std::string>{"centimeter/second²", "galileo", "free fall"}));
  EXPECT_EQ(UnitTexts(true),
            (std::set<std::string>{"centimeter/second² [cm/s²]", "galileo [Gal]", "free fall"}));
  // Without a restart the enumeration stays at its end.
  EXPECT_EQ(catalogue_.NextUnitText(false), "");
}

TEST_F(UnitCatalogueTest, EmptyAbbreviationIsShownUnlikeTheBlankOne) {
  catalogue_.AddUnit("MBH", "", 293.071, 0, 0, 0, 0);
  EXPECT_TRUE(UnitTexts(true).count("MBH []"));
}

TEST_F(UnitCatalogueTest, ClearAllEmptiesEverything) {
  catalogue_.ClearAll();
  EXPECT_TRUE(catalogue_.Categories().empty());
  EXPECT_EQ(catalogue_.CurrentCategoryName(), "");
  catalogue_.SetCategoryRestart(true);
  EXPECT_EQ(catalogue_.NextCategory(), nullptr);
}

}  // namespace
}  // namespace vantrel
