// Custom categories and units through the settings file: what is written when,
// what comes back after a restart, and what loading leaves alone.
#include <gtest/gtest.h>

#include <string>

#include "support/StagedFileStore.h"
#include "support/TempDir.h"
#include "units/BuiltinCatalogue.h"
#include "units/CustomStore.h"
#include "units/StoreKeys.h"
#include "units/UnitCatalogue.h"

namespace vantrel {
namespace {

using testing::ReadBytes;
using testing::StagedFileStore;
using testing::TempDir;
using testing::WriteBytes;

class CustomStoreTest : public ::testing::Test {
 protected:
  CustomStoreTest() : profile_(dir_ / "Mensura.ini", store_) { Start(catalogue_); }

  // What the main window does at start: build, attach the file, load.
  void Start(CUnitCatalogue& catalogue) {
    BuildBuiltinCatalogue(catalogue);
    catalogue.SetProfile(&profile_);
    LoadCustomDefinitions(catalogue, profile_);
  }

  std::wstring Units(std::wstring_view key) {
    return profile_.GetString(keys::kCustomUnits, key, L"<absent>");
  }

  std::string File() { return ReadBytes(profile_.File()); }

  // A unit's converted value after a restart, against the category's base.
  std::wstring ConvertAfterRestart(std::wstring_view category, std::wstring_view unit,
                                   std::wstring_view base) {
    CUnitCatalogue restarted;
    Start(restarted);
    if (!restarted.SelectCategory(category)) return L"<no category>";
    if (!restarted.CurrentCategory()->SelectInputUnit(unit)) return L"<no unit>";
    restarted.CurrentCategory()->SelectOutputUnit(base);
    return restarted.Convert(1);
  }

  TempDir dir_;
  StagedFileStore store_;
  Profile profile_;
  CUnitCatalogue catalogue_;
};

TEST_F(CustomStoreTest, UnitEntryTextAndRoundTrip) {
  catalogue_.SelectCategory(L"Distance");
  ASSERT_EQ(catalogue_.AddUnit(L"smoot", L" ", 170.18, 0, 0, 1, 1), 4);
  EXPECT_EQ(Units(L"smoot"), L"@Distance?val=170.18?i=0");
  EXPECT_EQ(ConvertAfterRestart(L"Distance", L"smoot", L"centimeter"), L"170.18");

  catalogue_.SelectCategory(L"Fuel Consumption");
  ASSERT_EQ(catalogue_.AddUnit(L"tiny", L" ", 1e-10, 0, 1, 1, 1), 4);
  EXPECT_EQ(Units(L"tiny"), L"@Fuel Consumption?val=1e-010?i=1");
}

TEST_F(CustomStoreTest, CoefficientComesBackWithEightDigits) {
  catalogue_.SelectCategory(L"Distance");
  catalogue_.AddUnit(L"third", L" ", 1.0 / 3, 0, 0, 1, 1);
  EXPECT_EQ(Units(L"third"), L"@Distance?val=0.33333333?i=0");
  catalogue_.CurrentCategory()->SelectInputUnit(L"third");
  catalogue_.CurrentCategory()->SelectOutputUnit(L"centimeter");
  catalogue_.Format() = {ResultMode::kFixed, 8};
  EXPECT_EQ(catalogue_.Convert(3), L"1.00000000");  // full precision during the run
  CUnitCatalogue restarted;
  Start(restarted);
  restarted.Format() = {ResultMode::kFixed, 8};
  restarted.SelectCategory(L"Distance");
  restarted.CurrentCategory()->SelectInputUnit(L"third");
  restarted.CurrentCategory()->SelectOutputUnit(L"centimeter");
  EXPECT_EQ(restarted.Convert(3), L"0.99999999");
}

TEST_F(CustomStoreTest, NamesEndingInMarkerLettersRoundTrip) {
  catalogue_.SelectCategory(L"Distance");
  for (const wchar_t* name : {L"mi", L"interval", L"val", L"unit with blank "})
    ASSERT_EQ(catalogue_.AddUnit(name, L" ", 2, 0, 0, 1, 1), 4) << name;
  for (const wchar_t* name : {L"mi", L"interval", L"val", L"unit with blank "})
    EXPECT_EQ(ConvertAfterRestart(L"Distance", name, L"centimeter"), L"2") << name;
}

TEST_F(CustomStoreTest, CategoryEntryIsWrittenEvenEmptyAndRemovedWithItsUnits) {
  ASSERT_EQ(catalogue_.AddCategory(L"Mine", 1, 1, 1), 4);
  EXPECT_EQ(profile_.GetString(keys::kCustomCategories, L"Mine", L"<absent>"), L"");
  catalogue_.SelectCategory(L"Mine");
  catalogue_.AddUnit(L"base", L" ", 1, 0, 0, 1, 1);
  catalogue_.AddUnit(L"double", L" ", 2, 0, 0, 1, 1);
  EXPECT_EQ(ConvertAfterRestart(L"Mine", L"double", L"base"), L"2");

  const int replacements = store_.replacements;
  ASSERT_EQ(catalogue_.RemoveCategory(L"Mine"), 4);
  EXPECT_EQ(store_.replacements, replacements + 1) << "the category and its units at once";
  EXPECT_EQ(Units(L"base"), L"<absent>");
  EXPECT_EQ(Units(L"double"), L"<absent>");
  EXPECT_EQ(profile_.GetString(keys::kCustomCategories, L"Mine", L"<absent>"), L"<absent>");
}

TEST_F(CustomStoreTest, RemoveUnitDeletesItsEntry) {
  catalogue_.SelectCategory(L"Mass");
  catalogue_.AddUnit(L"slug", L" ", 14593.9, 0, 0, 1, 1);
  ASSERT_EQ(catalogue_.RemoveUnit(L"slug"), 4);
  EXPECT_EQ(Units(L"slug"), L"<absent>");
  EXPECT_EQ(ConvertAfterRestart(L"Mass", L"slug", L"gram"), L"<no unit>");
}

TEST_F(CustomStoreTest, FailedAddsAndBuiltInRemovalsWriteNothing) {
  const std::string before = File();
  catalogue_.SelectCategory(L"Distance");
  EXPECT_EQ(catalogue_.AddUnit(L"foot", L" ", 5, 0, 0, 1, 1), 1);
  EXPECT_EQ(catalogue_.AddCategory(L"Temperature", 1, 1, 1), 1);
  EXPECT_EQ(catalogue_.RemoveUnit(L"foot"), 3);
  EXPECT_EQ(catalogue_.RemoveCategory(L"Distance"), 3);
  EXPECT_EQ(File(), before);
}

TEST_F(CustomStoreTest, VisibilityIsWrittenEvenWhenUnchanged) {
  EXPECT_EQ(catalogue_.SetCategoryVisibility(L"Data", 1), 4);
  EXPECT_EQ(profile_.GetInt(keys::kVisibility, L"Data", -1), 1);
  WriteBytes(profile_.File(), "[Visibility]\nData=0\nFlow= 1\n");
  CUnitCatalogue restarted;
  Start(restarted);
  const int replacements = store_.replacements;
  ApplyStoredVisibility(restarted, profile_.TakeSnapshot());
  EXPECT_EQ(restarted.FindCategory(L"Data")->Visible(), 0);
  EXPECT_EQ(restarted.FindCategory(L"Flow")->Visible(), 1);
  // Every category now has its entry, with its default where there was none,
  // all written at once.
  EXPECT_EQ(store_.replacements, replacements + 1);
  EXPECT_EQ(profile_.GetSection(keys::kVisibility).size(), 45u);
  EXPECT_EQ(profile_.GetInt(keys::kVisibility, L"Radiation", -1), 0);
  EXPECT_EQ(profile_.GetString(keys::kVisibility, L"Flow", L""), L"1");
  // A file that holds every flag as it would be written is left alone.
  CUnitCatalogue again;
  Start(again);
  ApplyStoredVisibility(again, profile_.TakeSnapshot());
  EXPECT_EQ(store_.replacements, replacements + 1);
  EXPECT_EQ(again.FindCategory(L"Data")->Visible(), 0);

  // A page that saves every flag replaces the file once.
  EXPECT_EQ(again.SetCategoryVisibilities({{L"Data", 1}, {L"Nowhere", 1}, {L"Flow", 0}}), 2);
  EXPECT_EQ(store_.replacements, replacements + 2);
  EXPECT_EQ(profile_.GetInt(keys::kVisibility, L"Data", -1), 1);
  EXPECT_EQ(profile_.GetInt(keys::kVisibility, L"Flow", -1), 0);
}

TEST_F(CustomStoreTest, VisibilityIsTheFirstEntryOfTheNameInAnyCase) {
  WriteBytes(profile_.File(),
             "[Visibility]\ndata=0\nDATA=1\n[Other]\nRadiation=1\n[VISIBILITY]\nFlow=1\nflow=0\n");
  CUnitCatalogue restarted;
  Start(restarted);
  ApplyStoredVisibility(restarted, profile_.TakeSnapshot());
  EXPECT_EQ(restarted.FindCategory(L"Data")->Visible(), 0);
  EXPECT_EQ(restarted.FindCategory(L"Flow")->Visible(), 1);
  EXPECT_EQ(restarted.FindCategory(L"Radiation")->Visible(), 0);
}

TEST_F(CustomStoreTest, CatalogueWithoutFileWritesNothing) {
  CUnitCatalogue detached;
  BuildBuiltinCatalogue(detached);
  detached.AddCategory(L"Mine", 1, 1, 1);
  detached.SelectCategory(L"Mine");
  detached.AddUnit(L"u", L" ", 1, 0, 0, 1, 1);
  detached.SetCategoryVisibility(L"Mine", 0);
  detached.RemoveCategory(L"Mine");
  EXPECT_FALSE(std::filesystem::exists(profile_.File()));
}

struct EntryCase {
  const char* line;
  int expected;
  double coefficient;
  int inverted;
};

// Entries as a hand-edited file may hold them; failures stay in the file.
TEST_F(CustomStoreTest, LoaderParsesEntriesAndSkipsMalformedOnes) {
  const EntryCase cases[] = {
      {"good=@Distance?val=2.5?i=0", 4, 2.5, 0},
      {"flip=@Distance?val=4?i=1", 4, 4, 1},
      {"flag2=@Distance?val=4?i=2", 4, 4, 0},
      {"noflag=@Distance?val=4?i=", 4, 4, 0},
      {"junkvalue=@Distance?val=abc?i=0", 4, 0, 0},
      {"prefixvalue=@Distance?val= 12.5kg?i=1", 4, 12.5, 1},
      {"hexvalue=@Distance?val=0x10?i=0", 4, 0, 0},
      {"mixedcase=@Distance?VAL=1?i=0", 5, 0, 0},
      {"noval=@Distance?i=0", 5, 0, 0},
      {"noi=@Distance?val=1", 5, 0, 0},
      {"noat=Distance?val=1?i=0", 5, 0, 0},
      {"=@Distance?val=1?i=0", 5, 0, 0},
      {"lost=@Atlantis?val=1?i=0", 2, 0, 0},
      {"foot=@Distance?val=99?i=0", 1, 30.48, 0},
  };
  std::string text = "[CustomUnits]\n";
  for (const EntryCase& c : cases) text += std::string(c.line) + "\n";
  WriteBytes(profile_.File(), text);

  CUnitCatalogue loaded;
  BuildBuiltinCatalogue(loaded);
  for (const EntryCase& c : cases) {
    const std::string line = c.line;
    EXPECT_EQ(loaded.LoadCustomUnitEntry(std::wstring(line.begin(), line.end())), c.expected)
        << c.line;
  }
  for (const EntryCase& c : cases) {
    if (c.expected != 4 && c.expected != 1) continue;
    const std::string line = c.line;
    const std::wstring name(line.begin(), line.begin() + line.find('='));
    const CUnit* unit = loaded.FindCategory(L"Distance")->FindUnit(name);
    ASSERT_NE(unit, nullptr) << c.line;
    EXPECT_EQ(unit->coefficient, c.coefficient) << c.line;
    EXPECT_EQ(unit->inverted, c.inverted) << c.line;
    if (c.expected == 4) {
      EXPECT_EQ(unit->abbreviation, L" ");
    }
  }
  EXPECT_EQ(loaded.CurrentCategoryName(), L"Volume (Dry)");  // loading selects nothing

  // Loading through the file gives the same, and never writes.
  CUnitCatalogue started;
  Start(started);
  EXPECT_NE(started.FindCategory(L"Distance")->FindUnit(L"prefixvalue"), nullptr);
  EXPECT_EQ(File(), text);
}

TEST_F(CustomStoreTest, CustomCategoriesLoadBeforeTheirUnits) {
  WriteBytes(profile_.File(),
             "[CustomUnits]\nwidget=@Gadgets?val=3?i=0\n"
             "[CustomCategories]\nGadgets=\nTemperature=\n");
  CUnitCatalogue started;
  Start(started);
  ASSERT_NE(started.FindCategory(L"Gadgets"), nullptr);
  EXPECT_EQ(started.FindCategory(L"Gadgets")->Custom(), 1);
  EXPECT_EQ(started.FindCategory(L"Gadgets")->FindUnit(L"widget")->coefficient, 3);
  // A built-in name in the section changes nothing.
  EXPECT_EQ(started.FindCategory(L"Temperature")->Custom(), 0);
  EXPECT_EQ(started.RemoveCategory(L"Temperature"), 3);
}

// The old reader took 3000 characters per section and lost the rest.
TEST_F(CustomStoreTest, LoadsEveryEntryOfALargeSection) {
  std::string text = "[CustomUnits]\n";
  for (int i = 0; i < 400; ++i)
    text += "custom unit number " + std::to_string(i) + "=@Distance?val=" + std::to_string(i + 1) +
            "?i=0\n";
  WriteBytes(profile_.File(), text);
  CUnitCatalogue started;
  Start(started);
  EXPECT_EQ(started.FindCategory(L"Distance")->Units().size(), 500u);
  EXPECT_EQ(started.FindCategory(L"Distance")->FindUnit(L"custom unit number 399")->coefficient,
            400);
}

struct StorableCase {
  const wchar_t* name;
  bool unit;  // else a category
};

// Names the file could not give back are refused when persisting, and the
// refusal changes neither memory nor file.
TEST_F(CustomStoreTest, RefusesNamesTheFileCannotHold) {
  const StorableCase cases[] = {
      {L"a=@b", true},
      {L"x=y", true},
      {L"line\nbreak", true},
      {L"cr\rname", true},
      {L"[bracketed", true},
      {L";comment", true},
      {L"", true},
      {L"a=b", false},
      {L"A?val=B", false},
      {L"two\nlines", false},
      {L"[Section]", false},
      // A tab would split the name across the command line's columns.
      {L"tab\tname", true},
      {L"tab\tname", false},
  };
  const std::string before = File();
  for (const StorableCase& c : cases) {
    if (c.unit) {
      catalogue_.SelectCategory(L"Distance");
      EXPECT_EQ(catalogue_.AddUnit(c.name, L" ", 2, 0, 0, 1, 1), 6) << c.name;
      EXPECT_EQ(catalogue_.FindCategory(L"Distance")->FindUnit(c.name), nullptr) << c.name;
    } else {
      EXPECT_EQ(catalogue_.AddCategory(c.name, 1, 1, 1), 6) << c.name;
      EXPECT_EQ(catalogue_.FindCategory(c.name), nullptr) << c.name;
    }
  }
  // Characters without a UTF-8 form would come back as U+FFFD.
  for (const wchar_t bad : {wchar_t(0xD800), wchar_t(0xDFFF), wchar_t(0x110000)}) {
    const std::wstring name = std::wstring(L"odd") + bad + L"name";
    catalogue_.SelectCategory(L"Distance");
    EXPECT_EQ(catalogue_.AddUnit(name, L" ", 2, 0, 0, 1, 1), 6);
    EXPECT_EQ(catalogue_.FindCategory(L"Distance")->FindUnit(name), nullptr);
    EXPECT_EQ(catalogue_.AddCategory(name, 1, 1, 1), 6);
    EXPECT_EQ(catalogue_.FindCategory(name), nullptr);
  }
  EXPECT_EQ(File(), before);
  // A category whose name cannot be stored cannot take persisted units.
  catalogue_.AddCategory(L"p?val=q", 0, 1, 1);
  catalogue_.SelectCategory(L"p?val=q");
  EXPECT_EQ(catalogue_.AddUnit(L"fine", L" ", 1, 0, 0, 1, 1), 6);
  // Loading and built-in adds keep taking any name.
  EXPECT_EQ(catalogue_.AddUnit(L"a=b", L" ", 1, 0, 0, 1, 0), 4);
}

// One key per name whatever the category and letter case: a second definition
// would replace the first in the file, and removing either would delete both.
TEST_F(CustomStoreTest, RefusesASecondUnitSharingAKey) {
  catalogue_.SelectCategory(L"Distance");
  ASSERT_EQ(catalogue_.AddUnit(L"smoot", L" ", 170.18, 0, 0, 1, 1), 4);
  const std::string before = File();
  catalogue_.SelectCategory(L"Mass");
  EXPECT_EQ(catalogue_.AddUnit(L"smoot", L" ", 5, 0, 0, 1, 1), 7);
  EXPECT_EQ(catalogue_.AddUnit(L"SMOOT", L" ", 5, 0, 0, 1, 1), 7);
  catalogue_.SelectCategory(L"Distance");
  EXPECT_EQ(catalogue_.AddUnit(L"Smoot", L" ", 5, 0, 0, 1, 1), 7);
  EXPECT_EQ(catalogue_.FindCategory(L"Mass")->FindUnit(L"smoot"), nullptr);
  EXPECT_EQ(File(), before);
  // Built-in units are not in the file and clash with nothing.
  catalogue_.SelectCategory(L"Mass");
  EXPECT_EQ(catalogue_.AddUnit(L"Foot", L" ", 5, 0, 0, 1, 1), 4);
  // Category names share keys in "CustomCategories" and "Visibility" too.
  EXPECT_EQ(catalogue_.AddCategory(L"distance", 1, 1, 1), 7);
  EXPECT_EQ(catalogue_.FindCategory(L"distance"), nullptr);
}

// An entry left in the file (its category is gone) may spell the new unit's
// key in other letters; the unit must still come back under its own name.
TEST_F(CustomStoreTest, NewEntryReplacingAStaleKeyKeepsTheUnitsSpelling) {
  WriteBytes(profile_.File(), "[CustomUnits]\nSmoot=@Atlantis?val=1?i=0\n");
  CUnitCatalogue started;
  Start(started);
  started.SelectCategory(L"Distance");
  ASSERT_EQ(started.AddUnit(L"smoot", L" ", 170.18, 0, 0, 1, 1), 4);
  EXPECT_EQ(ConvertAfterRestart(L"Distance", L"smoot", L"centimeter"), L"170.18");
}

// A file from elsewhere may hold one key twice; removing one unit keeps the
// other's definition.
TEST_F(CustomStoreTest, RemovingOneOfTwoLoadedUnitsKeepsTheOther) {
  WriteBytes(profile_.File(),
             "[CustomUnits]\nsmoot=@Distance?val=170.18?i=0\nSmoot=@Mass?val=5?i=0\n");
  CUnitCatalogue started;
  Start(started);
  ASSERT_NE(started.FindCategory(L"Mass")->FindUnit(L"Smoot"), nullptr);
  started.SelectCategory(L"Distance");
  ASSERT_EQ(started.RemoveUnit(L"smoot"), 4);
  EXPECT_EQ(ConvertAfterRestart(L"Mass", L"Smoot", L"gram"), L"5");
  EXPECT_EQ(ConvertAfterRestart(L"Distance", L"smoot", L"centimeter"), L"<no unit>");
}

}  // namespace
}  // namespace vantrel
