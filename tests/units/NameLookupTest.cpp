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
    catalogue_.AddCategory(L"Distance", 0, 0, 1);
    catalogue_.SelectCategory(L"Distance");
    catalogue_.AddUnit(L"meter", L"m", 1, 0, 0, 0, 0);
    catalogue_.AddUnit(L"m", L" ", 2, 0, 0, 0, 0);  // a name beats an abbreviation
    catalogue_.AddUnit(L"mile ", L"mi ", 1609.344, 0, 0, 0, 0);
    catalogue_.AddUnit(L"league", L"lea", 4828, 0, 0, 0, 0);
    catalogue_.AddUnit(L"lea", L"l", 4.5, 0, 0, 0, 0);
    catalogue_.AddUnit(L"rod", L"rd", 5.0292, 0, 0, 0, 0);
    catalogue_.AddUnit(L"road", L"rd", 3, 0, 0, 0, 0);
    catalogue_.AddCategory(L"Speed ", 0, 0, 1);
    catalogue_.AddCategory(L"Mine", 0, 1, 1);
    catalogue_.AddCategory(L"MINE", 0, 1, 1);
  }
  CUnitCatalogue catalogue_;
};

TEST_F(NameLookupTest, CategoriesByExactNameElseTheOneEqualButForCaseAndTrailingBlanks) {
  const struct {
    const wchar_t* text;
    const wchar_t* found;  // null: none
  } cases[] = {
      {L"Distance", L"Distance"}, {L"distance  ", L"Distance"},
      {L"Speed", L"Speed "},      {L"SPEED ", L"Speed "},
      {L"Mine", L"Mine"},         {L"mine", nullptr},
      {L" Distance", nullptr},    {L"", nullptr},
      {L"Dist", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << std::wstring(L"\"") + c.text + L"\"");
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
  const CCategory& distance = *catalogue_.FindCategory(L"Distance");
  const struct {
    const wchar_t* text;
    std::vector<std::wstring> found;
  } cases[] = {
      {L"meter", {L"meter"}},
      {L"m", {L"m"}},
      {L"lea", {L"lea"}},
      {L"l", {L"lea"}},
      {L"mile ", {L"mile "}},
      {L"mile", {L"mile "}},
      {L"mi", {L"mile "}},
      {L"mi   ", {L"mile "}},
      {L"meter ", {L"meter"}},
      {L"rd", {L"road", L"rod"}},
      {L"Meter", {}},
      {L" meter", {}},
      {L"", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << std::wstring(L"\"") + c.text + L"\"");
    std::vector<std::wstring> found;
    for (const CUnit* unit : FindUnitsByName(distance, c.text)) found.push_back(unit->name);
    EXPECT_EQ(found, c.found);
  }
}

}  // namespace
}  // namespace vantrel
