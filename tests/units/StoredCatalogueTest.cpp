#include <gtest/gtest.h>

#include "support/TempDir.h"
#include "units/StoreKeys.h"
#include "units/StoredCatalogue.h"
#include "units/UnitCatalogue.h"

namespace vantrel {
namespace {

using testing::TempDir;
using testing::WriteBytes;

TEST(StoredCatalogueTest, OpeningStartsAfreshFromTheBuiltinsAndTheFile) {
  TempDir dir;
  WriteBytes(dir / "Mensura.ini",
             "[Settings]\nFormat=2\nPrecision=3\nLastCategory=4\n"
             "[CustomCategories]\nKitchen=\n[CustomUnits]\ncup=@Kitchen?val=1?i=0\n"
             "[Visibility]\nKitchen=0\nData=0\n");
  Profile profile(dir / "Mensura.ini");
  CUnitCatalogue catalogue;
  catalogue.SetProfile(&profile);
  catalogue.AddCategory("Left over", 0, 1, 1);

  const Preferences preferences = OpenCatalogue(catalogue, profile.TakeSnapshot());
  EXPECT_EQ(preferences.lastCategory, 4);
  EXPECT_EQ(catalogue.Format().mode, ResultMode::kFixed);
  EXPECT_EQ(catalogue.Format().precision, 3);
  EXPECT_EQ(catalogue.FindCategory("Left over"), nullptr);
  ASSERT_NE(catalogue.FindCategory("Kitchen"), nullptr);
  EXPECT_NE(catalogue.FindCategory("Kitchen")->FindUnit("cup"), nullptr);
  EXPECT_EQ(catalogue.FindCategory("Kitchen")->Visible(), 0);
  EXPECT_EQ(catalogue.FindCategory("Data")->Visible(), 0);
  EXPECT_EQ(catalogue.Categories().size(), 46u);
  // Every category's flag is written back to the catalogue's own file.
  EXPECT_EQ(profile.GetSection(keys::kVisibility).size(), 46u);
}

TEST(StoredCatalogueTest, StoringTheFormatChangesPreferencesCatalogueAndFileTogether) {
  TempDir dir;
  Profile profile(dir / "Mensura.ini");
  Preferences preferences;
  ResultFormat format;
  struct Step {
    ResultMode mode;
    std::optional<int> precision;
    int kept;  // the precision afterwards, everywhere
  };
  const Step steps[] = {
      {ResultMode::kScientific, 3, 3},
      {ResultMode::kAutomatic, 7, 3},  // automatic keeps the precision
      {ResultMode::kFixed, std::nullopt, 3},
      {ResultMode::kFixed, 0, 0},
  };
  for (const Step& step : steps) {
    EXPECT_TRUE(StoreResultFormat(profile, preferences, format, step.mode, step.precision));
    EXPECT_EQ(preferences.format, step.mode);
    EXPECT_EQ(format.mode, step.mode);
    EXPECT_EQ(preferences.precision, step.kept);
    EXPECT_EQ(format.precision, step.kept);
    const Preferences stored = ReadPreferences(profile);
    EXPECT_EQ(stored.format, step.mode);
    EXPECT_EQ(stored.precision, step.kept);
  }
}

}  // namespace
}  // namespace vantrel
