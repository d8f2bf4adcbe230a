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

  std::string Units(std::string_view key) {
    return profile_.GetString(keys::kCustomUnits, key, "<absent>");
  }

  std::string File() { return ReadBytes(profile_.File()); }

  // A unit's converted value after a restart, against the category's base.
  std::string ConvertAfterRestart(std::string_view category, std::string_view unit,
                                  std::string_view base) {
    CUnitCatalogue restarted;
    Start(restarted);
    if (!restarted.SelectCategory(category)) return "<no category>";
    if (!restarted.CurrentCategory()->SelectInputUnit(unit)) return "<no unit>";
    restarted.CurrentCategory()->SelectOutputUnit(base);
    return restarted.Convert(1);
  }

  TempDir dir_;
  StagedFileStore store_;
  Profile profile_;
  CUnitCatalogue catalogue_;
};

TEST_F(CustomStoreTest, UnitEntryTextAndRoundTrip) {
  catalogue_.SelectCategory("Distance");
  ASSERT_EQ(catalogue_.AddUnit("smoot", " ", 170.18, 0, 0, 1, 1), 4);
  EXPECT_EQ(Units("smoot"), "@Distance?val=170.18?i=0");
  EXPECT_EQ(ConvertAfterRestart("Distance", "smoot", "centimeter"), "170.18");

  catalogue_.SelectCategory("Fuel Consumption");
  ASSERT_EQ(catalogue_.AddUnit("tiny", " ", 1e-10, 0, 1, 1, 1), 4);
  EXPECT_EQ(Units("tiny"), "@Fuel Consumption?val=1e-010?i=1");
}

// Eight digits where they read back exactly, as ever; more where they do
// not, so that a unit is the same after a restart. What defines no unit (a
// subnormal number) is not stored at all.
TEST_F(CustomStoreTest, CoefficientComesBackExactly) {
  catalogue_.SelectCategory("Distance");
  EXPECT_EQ(catalogue_.AddUnit("tiny", " ", 1e-316, 0, 0, 1, 1), result::kUnusableCoefficient);
  EXPECT_EQ(Units("tiny"), "<absent>");
  catalogue_.AddUnit("third", " ", 1.0 / 3, 0, 0, 1, 1);
  EXPECT_EQ(Units("third"), "@Distance?val=0.3333333333333333?i=0");
  catalogue_.CurrentCategory()->SelectInputUnit("third");
  catalogue_.CurrentCategory()->SelectOutputUnit("centimeter");
  catalogue_.Format() = {ResultMode::kFixed, 8};
  EXPECT_EQ(catalogue_.Convert(3), "1.00000000");  // full precision during the run
  CUnitCatalogue restarted;
  Start(restarted);
  restarted.Format() = {ResultMode::kFixed, 8};
  restarted.SelectCategory("Distance");
  restarted.CurrentCategory()->SelectInputUnit("third");
  restarted.CurrentCategory()->SelectOutputUnit("centimeter");
  EXPECT_EQ(restarted.Convert(3), "1.00000000");
}

TEST_F(CustomStoreTest, NamesEndingInMarkerLettersRoundTrip) {
  catalogue_.SelectCategory("Distance");
  for (const char* name : {"mi", "interval", "val", "unit with blank "})
    ASSERT_EQ(catalogue_.AddUnit(name, " ", 2, 0, 0, 1, 1), 4) << name;
  for (const char* name : {"mi", "interval", "val", "unit with blank "})
    EXPECT_EQ(ConvertAfterRestart("Distance", name, "centimeter"), "2") << name;
}

TEST_F(CustomStoreTest, CategoryEntryIsWrittenEvenEmptyAndRemovedWithItsUnits) {
  ASSERT_EQ(catalogue_.AddCategory("Mine", 1, 1, 1), 4);
  EXPECT_EQ(profile_.GetString(keys::kCustomCategories, "Mine", "<absent>"), "");
  catalogue_.SelectCategory("Mine");
  catalogue_.AddUnit("base", " ", 1, 0, 0, 1, 1);
  catalogue_.AddUnit("double", " ", 2, 0, 0, 1, 1);
  EXPECT_EQ(ConvertAfterRestart("Mine", "double", "base"), "2");

  const int replacements = store_.replacements;
  ASSERT_EQ(catalogue_.RemoveCategory("Mine"), 4);
  EXPECT_EQ(store_.replacements, replacements + 1) << "the category and its units at once";
  EXPECT_EQ(Units("base"), "<absent>");
  EXPECT_EQ(Units("double"), "<absent>");
  EXPECT_EQ(profile_.GetString(keys::kCustomCategories, "Mine", "<absent>"), "<absent>");
}

TEST_F(CustomStoreTest, RemoveUnitDeletesItsEntry) {
  catalogue_.SelectCategory("Mass");
  catalogue_.AddUnit("slug", " ", 14593.9, 0, 0, 1, 1);
  ASSERT_EQ(catalogue_.RemoveUnit("slug"), 4);
  EXPECT_EQ(Units("slug"), "<absent>");
  EXPECT_EQ(ConvertAfterRestart("Mass", "slug", "gram"), "<no unit>");
}

TEST_F(CustomStoreTest, FailedAddsAndBuiltInRemovalsWriteNothing) {
  const std::string before = File();
  catalogue_.SelectCategory("Distance");
  EXPECT_EQ(catalogue_.AddUnit("foot", " ", 5, 0, 0, 1, 1), 1);
  EXPECT_EQ(catalogue_.AddCategory("Temperature", 1, 1, 1), 1);
  EXPECT_EQ(catalogue_.RemoveUnit("foot"), 3);
  EXPECT_EQ(catalogue_.RemoveCategory("Distance"), 3);
  EXPECT_EQ(File(), before);
}

TEST_F(CustomStoreTest, VisibilityIsWrittenEvenWhenUnchanged) {
  EXPECT_EQ(catalogue_.SetCategoryVisibility("Data", 1), 4);
  EXPECT_EQ(profile_.GetInt(keys::kVisibility, "Data", -1), 1);
  WriteBytes(profile_.File(), "[Visibility]\nData=0\nFlow= 1\n");
  CUnitCatalogue restarted;
  Start(restarted);
  const int replacements = store_.replacements;
  ApplyStoredVisibility(restarted, profile_.TakeSnapshot());
  EXPECT_EQ(restarted.FindCategory("Data")->Visible(), 0);
  EXPECT_EQ(restarted.FindCategory("Flow")->Visible(), 1);
  // Every category now has its entry, with its default where there was none,
  // all written at once.
  EXPECT_EQ(store_.replacements, replacements + 1);
  EXPECT_EQ(profile_.GetSection(keys::kVisibility).size(), 45u);
  EXPECT_EQ(profile_.GetInt(keys::kVisibility, "Radiation", -1), 0);
  EXPECT_EQ(profile_.GetString(keys::kVisibility, "Flow", ""), "1");
  // A file that holds every flag as it would be written is left alone.
  CUnitCatalogue again;
  Start(again);
  ApplyStoredVisibility(again, profile_.TakeSnapshot());
  EXPECT_EQ(store_.replacements, replacements + 1);
  EXPECT_EQ(again.FindCategory("Data")->Visible(), 0);

  // A page that saves every flag replaces the file once.
  EXPECT_EQ(again.SetCategoryVisibilities({{"Data", 1}, {"Nowhere", 1}, {"Flow", 0}}), 2);
  EXPECT_EQ(store_.replacements, replacements + 2);
  EXPECT_EQ(profile_.GetInt(keys::kVisibility, "Data", -1), 1);
  EXPECT_EQ(profile_.GetInt(keys::kVisibility, "Flow", -1), 0);
}

TEST_F(CustomStoreTest, VisibilityIsTheFirstEntryOfTheNameInAnyCase) {
  WriteBytes(profile_.File(),
             "[Visibility]\ndata=0\nDATA=1\n[Other]\nRadiation=1\n[VISIBILITY]\nFlow=1\nflow=0\n");
  CUnitCatalogue restarted;
  Start(restarted);
  ApplyStoredVisibility(restarted, profile_.TakeSnapshot());
  EXPECT_EQ(restarted.FindCategory("Data")->Visible(), 0);
  EXPECT_EQ(restarted.FindCategory("Flow")->Visible(), 1);
  EXPECT_EQ(restarted.FindCategory("Radiation")->Visible(), 0);
}

TEST_F(CustomStoreTest, CatalogueWithoutFileWritesNothing) {
  CUnitCatalogue detached;
  BuildBuiltinCatalogue(detached);
  detached.AddCategory("Mine", 1, 1, 1);
  detached.SelectCategory("Mine");
  detached.AddUnit("u", " ", 1, 0, 0, 1, 1);
  detached.SetCategoryVisibility("Mine", 0);
  detached.RemoveCategory("Mine");
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
      {"prefixvalue=@Distance?val= 12.5kg?i=1", 4, 12.5, 1},
      // Sizes the dialog refuses: left out (9), and kept in the file.
      {"junkvalue=@Distance?val=abc?i=0", 9, 0, 0},
      {"hexvalue=@Distance?val=0x10?i=0", 9, 0, 0},
      {"negative=@Distance?val=-5?i=0", 9, 0, 0},
      {"huge=@Distance?val=1e999?i=0", 9, 0, 0},
      {"nan=@Distance?val=nan?i=1", 9, 0, 0},
      {"subnormal=@Distance?val=1e-320?i=0", 9, 0, 0},
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
    EXPECT_EQ(loaded.LoadCustomUnitEntry(std::string(line.begin(), line.end())), c.expected)
        << c.line;
  }
  for (const EntryCase& c : cases) {
    if (c.expected != 4 && c.expected != 1) continue;
    const std::string line = c.line;
    const std::string name(line.begin(), line.begin() + line.find('='));
    const CUnit* unit = loaded.FindCategory("Distance")->FindUnit(name);
    ASSERT_NE(unit, nullptr) << c.line;
    EXPECT_EQ(unit->coefficient, c.coefficient) << c.line;
    EXPECT_EQ(unit->inverted, c.inverted) << c.line;
    if (c.expected == 4) {
      EXPECT_EQ(unit->abbreviation, " ");
    }
  }
  EXPECT_EQ(loaded.CurrentCategoryName(), "Volume (Dry)");  // loading selects nothing

  // Loading through the file gives the same, and never writes; it names
  // what it left out.
  CUnitCatalogue started;
  BuildBuiltinCatalogue(started);
  const std::vector<CustomUnitEntry> skipped = LoadCustomDefinitions(started, profile_);
  EXPECT_NE(started.FindCategory("Distance")->FindUnit("prefixvalue"), nullptr);
  EXPECT_EQ(File(), text);
  EXPECT_EQ(skipped.size(), 6u);
  EXPECT_EQ(NameUnusableUnits(skipped),
            "'junkvalue' in 'Distance' (coefficient 'abc'), 'hexvalue' in 'Distance' (coefficient "
            "'0x10'), 'negative' in 'Distance' (coefficient '-5'), 'huge' in 'Distance' "
            "(coefficient '1e999'), 'nan' in 'Distance' (coefficient 'nan') and 1 more");
}

TEST_F(CustomStoreTest, CustomCategoriesLoadBeforeTheirUnits) {
  WriteBytes(profile_.File(),
             "[CustomUnits]\nwidget=@Gadgets?val=3?i=0\n"
             "[CustomCategories]\nGadgets=\nTemperature=\n");
  CUnitCatalogue started;
  Start(started);
  ASSERT_NE(started.FindCategory("Gadgets"), nullptr);
  EXPECT_EQ(started.FindCategory("Gadgets")->Custom(), 1);
  EXPECT_EQ(started.FindCategory("Gadgets")->FindUnit("widget")->coefficient, 3);
  // A built-in name in the section changes nothing.
  EXPECT_EQ(started.FindCategory("Temperature")->Custom(), 0);
  EXPECT_EQ(started.RemoveCategory("Temperature"), 3);
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
  EXPECT_EQ(started.FindCategory("Distance")->Units().size(), 500u);
  EXPECT_EQ(started.FindCategory("Distance")->FindUnit("custom unit number 399")->coefficient, 400);
}

struct StorableCase {
  const char* name;
  bool unit;  // else a category
};

// Names the file could not give back are refused when persisting, and the
// refusal changes neither memory nor file.
TEST_F(CustomStoreTest, RefusesNamesTheFileCannotHold) {
  const StorableCase cases[] = {
      {"a=@b", true},
      {"x=y", true},
      {"line\nbreak", true},
      {"cr\rname", true},
      {"[bracketed", true},
      {";comment", true},
      {"", true},
      {"a=b", false},
      {"A?val=B", false},
      {"two\nlines", false},
      {"[Section]", false},
      // A tab would split the name across the command line's columns.
      {"tab\tname", true},
      {"tab\tname", false},
  };
  const std::string before = File();
  for (const StorableCase& c : cases) {
    if (c.unit) {
      catalogue_.SelectCategory("Distance");
      EXPECT_EQ(catalogue_.AddUnit(c.name, " ", 2, 0, 0, 1, 1), 6) << c.name;
      EXPECT_EQ(catalogue_.FindCategory("Distance")->FindUnit(c.name), nullptr) << c.name;
    } else {
      EXPECT_EQ(catalogue_.AddCategory(c.name, 1, 1, 1), 6) << c.name;
      EXPECT_EQ(catalogue_.FindCategory(c.name), nullptr) << c.name;
    }
  }
  // Bytes that are no UTF-8 (a surrogate's form, past U+10FFFF, a stray
  // byte) would be read back as other characters.
  for (const char* bad : {"\xED\xA0\x80", "\xF4\x90\x80\x80", "\xFF"}) {
    const std::string name = std::string("odd") + bad + "name";
    catalogue_.SelectCategory("Distance");
    EXPECT_EQ(catalogue_.AddUnit(name, " ", 2, 0, 0, 1, 1), 6);
    EXPECT_EQ(catalogue_.FindCategory("Distance")->FindUnit(name), nullptr);
    EXPECT_EQ(catalogue_.AddCategory(name, 1, 1, 1), 6);
    EXPECT_EQ(catalogue_.FindCategory(name), nullptr);
  }
  EXPECT_EQ(File(), before);
  // A category whose name cannot be stored cannot take persisted units.
  catalogue_.AddCategory("p?val=q", 0, 1, 1);
  catalogue_.SelectCategory("p?val=q");
  EXPECT_EQ(catalogue_.AddUnit("fine", " ", 1, 0, 0, 1, 1), 6);
  // Loading and built-in adds keep taking any name.
  EXPECT_EQ(catalogue_.AddUnit("a=b", " ", 1, 0, 0, 1, 0), 4);
}

// One key per name whatever the category and letter case: a second definition
// would replace the first in the file, and removing either would delete both.
TEST_F(CustomStoreTest, RefusesASecondUnitSharingAKey) {
  catalogue_.SelectCategory("Distance");
  ASSERT_EQ(catalogue_.AddUnit("smoot", " ", 170.18, 0, 0, 1, 1), 4);
  const std::string before = File();
  catalogue_.SelectCategory("Mass");
  EXPECT_EQ(catalogue_.AddUnit("smoot", " ", 5, 0, 0, 1, 1), 7);
  EXPECT_EQ(catalogue_.AddUnit("SMOOT", " ", 5, 0, 0, 1, 1), 7);
  catalogue_.SelectCategory("Distance");
  EXPECT_EQ(catalogue_.AddUnit("Smoot", " ", 5, 0, 0, 1, 1), 7);
  EXPECT_EQ(catalogue_.FindCategory("Mass")->FindUnit("smoot"), nullptr);
  EXPECT_EQ(File(), before);
  // Built-in units are not in the file and clash with nothing.
  catalogue_.SelectCategory("Mass");
  EXPECT_EQ(catalogue_.AddUnit("Foot", " ", 5, 0, 0, 1, 1), 4);
  // Category names share keys in "CustomCategories" and "Visibility" too.
  EXPECT_EQ(catalogue_.AddCategory("distance", 1, 1, 1), 7);
  EXPECT_EQ(catalogue_.FindCategory("distance"), nullptr);
}

// An entry left in the file (its category is gone) may spell the new unit's
// key in other letters; the unit must still come back under its own name.
TEST_F(CustomStoreTest, NewEntryReplacingAStaleKeyKeepsTheUnitsSpelling) {
  WriteBytes(profile_.File(), "[CustomUnits]\nSmoot=@Atlantis?val=1?i=0\n");
  CUnitCatalogue started;
  Start(started);
  started.SelectCategory("Distance");
  ASSERT_EQ(started.AddUnit("smoot", " ", 170.18, 0, 0, 1, 1), 4);
  EXPECT_EQ(ConvertAfterRestart("Distance", "smoot", "centimeter"), "170.18");
}

// A file from elsewhere may give units of several categories one key:
// removing one unit, or a category with one of them, takes only its entry.
TEST_F(CustomStoreTest, RemovingOneOfUnitsSharingAKeyKeepsTheOthers) {
  WriteBytes(profile_.File(),
             "[CustomCategories]\nKitchen=\n[CustomUnits]\nsmoot=@Distance?val=170.18?i=0\n"
             "smoot=@Mass?val=5?i=0\nSmoot=@Time?val=7?i=0\nsmoot=@Kitchen?val=1?i=0\n");
  CUnitCatalogue started;
  Start(started);
  started.SelectCategory("Distance");
  ASSERT_EQ(started.RemoveUnit("smoot"), 4);
  ASSERT_EQ(started.RemoveCategory("Kitchen"), 4);
  EXPECT_EQ(ConvertAfterRestart("Distance", "smoot", "centimeter"), "<no unit>");
  EXPECT_EQ(ConvertAfterRestart("Mass", "smoot", "gram"), "5");
  EXPECT_EQ(ConvertAfterRestart("Time", "Smoot", "second"), "7");
  EXPECT_EQ(ConvertAfterRestart("Kitchen", "smoot", "smoot"), "<no category>");
}

// Two copies of the program on one file, both started before either adds:
// each checks the file as it is when it writes, so neither replaces the
// other's entry.
TEST_F(CustomStoreTest, TwoCopiesAddingOneNameKeepTheFirst) {
  CUnitCatalogue other;
  Start(other);
  catalogue_.SelectCategory("Distance");
  ASSERT_EQ(catalogue_.AddUnit("widget", " ", 3, 0, 0, 1, 1), 4);
  ASSERT_EQ(catalogue_.AddCategory("Kitchen", 1, 1, 1), 4);
  catalogue_.SelectCategory("Kitchen");
  ASSERT_EQ(catalogue_.AddUnit("cup", " ", 1, 0, 0, 1, 1), 4);
  const std::string before = File();
  const struct {
    const char *category, *name;
    int result;
  } cases[] = {
      {"Distance", "widget", 1},
      {"Mass", "Widget", 7},
      {"Time", "WIDGET", 7},
      {"Distance", "Cup", 7},  // its category is in the file only
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(std::string(c.name)));
    other.SelectCategory(c.category);
    EXPECT_EQ(other.AddUnit(c.name, " ", 5, 0, 0, 1, 1), c.result);
    EXPECT_EQ(other.CurrentCategory()->FindUnit(c.name), nullptr);
  }
  EXPECT_EQ(other.AddCategory("Kitchen", 1, 1, 1), 1);
  EXPECT_EQ(other.AddCategory("KITCHEN", 1, 1, 1), 7);
  EXPECT_EQ(File(), before);
  EXPECT_EQ(ConvertAfterRestart("Distance", "widget", "centimeter"), "3");
}

}  // namespace
}  // namespace vantrel
