// Finding a category and a unit by the name a user gives.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "units/NameLookup.h"

namespace vantrel {
namespace {

class NameLookupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    catalogue_.AddCategory("Distance", 0, 0, 1);
    catalogue_.SelectCategory("Distance");
    catalogue_.AddUnit("meter", "m", 1, 0, 0, 0, 0);
    catalogue_.AddUnit("m", " ", 2, 0, 0, 0, 0);  // a name beats an abbreviation
    catalogue_.AddUnit("mile ", "mi ", 1609.344, 0, 0, 0, 0);
    catalogue_.AddUnit("league", "lea", 4828, 0, 0, 0, 0);
    catalogue_.AddUnit("lea", "l", 4.5, 0, 0, 0, 0);
    catalogue_.AddUnit("rod", "rd", 5.0292, 0, 0, 0, 0);
    catalogue_.AddUnit("road", "rd", 3, 0, 0, 0, 0);
    catalogue_.AddCategory("Speed ", 0, 0, 1);
    catalogue_.AddCategory("Mine", 0, 1, 1);
    catalogue_.AddCategory("MINE", 0, 1, 1);
  }
  CUnitCatalogue catalogue_;
};

TEST_F(NameLookupTest, CategoriesByExactNameElseTheOneEqualButForCaseAndTrailingBlanks) {
  const struct {
    const char* text;
    const char* found;  // null: none
  } cases[] = {
      {"Distance", "Distance"}, {"distance  ", "Distance"},
      {"Speed", "Speed "},      {"SPEED ", "Speed "},
      {"Mine", "Mine"},         {"mine", nullptr},
      {" Distance", nullptr},   {"", nullptr},
      {"Dist", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << std::string("\"") + c.text + "\"");
    const CCategory* found = FindCategoryByName(catalogue_, c.text);
    if (!c.found) {
      EXPECT_EQ(found, nullptr);
    } else {
      ASSERT_NE(found, nullptr);
      EXPECT_EQ(found->Name(), c.found);
    }
  }
}

TEST_F(NameLookupTest, UnitsByNameThenAbbreviationThenWithoutTrailingBlanks) {
  const CCategory& distance = *catalogue_.FindCategory("Distance");
  const struct {
    const char* text;
    std::vector<std::string> found;
  } cases[] = {
      {"meter", {"meter"}},
      {"m", {"m"}},
      {"lea", {"lea"}},
      {"l", {"lea"}},
      {"mile ", {"mile "}},
      {"mile", {"mile "}},
      {"mi", {"mile "}},
      {"mi   ", {"mile "}},
      {"meter ", {"meter"}},
      {"rd", {"road", "rod"}},
      {"Meter", {}},
      {" meter", {}},
      {"", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << std::string("\"") + c.text + "\"");
    std::vector<std::string> found;
    for (const CUnit* unit : FindUnitsByName(distance, c.text)) found.push_back(unit->name);
    EXPECT_EQ(found, c.found);
  }
}

}  // namespace
}  // namespace vantrel
