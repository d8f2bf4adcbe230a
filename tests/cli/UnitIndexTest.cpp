// The unit index answers alike whether it looks through the catalogue (its
// first look-ups) or through its table (after them).
#include <gtest/gtest.h>

#include <string>

#include "cli/UnitIndex.h"
#include "units/BuiltinCatalogue.h"

namespace vantrel::cli {
namespace {

// The built-in catalogue with a custom category and two custom units.
void Build(CUnitCatalogue& catalogue) {
  BuildBuiltinCatalogue(catalogue);
  catalogue.AddCategory("Stuff", 0, 1, 1);
  catalogue.SelectCategory("Stuff");
  catalogue.AddUnit("widget ", "wd", 1, 0, 0, 1, 0);
  catalogue.SelectCategory("Distance");
  catalogue.AddUnit("smoot", "ft", 170.18, 0, 0, 1, 0);  // an abbreviation shared
}

// What a resolution found, by name ("-" for nothing).
std::string Found(const UnitChoice& choice) {
  auto name = [](const auto* found) { return found ? std::string(found->Name()) : "-"; };
  auto unit = [](const CUnit* found) { return found ? found->name : "-"; };
  return name(choice.category) + ": " + unit(choice.from) + " -> " + unit(choice.to);
}

// Each look-up through a catalogue fresh from the table (its categories not
// yet units) against one through a table of every key.
TEST(UnitIndex, LooksUpAlikeBeforeAndAfterItsTable) {
  CUnitCatalogue whole;
  Build(whole);
  UnitIndex tabled(whole);
  for (int i = 0; i < 20; ++i) tabled.Resolve("m", "m", nullptr);

  const struct {
    const char* from;
    const char* to;
    const char* category;
  } cases[] = {
      {"mile", "km", nullptr},
      {"foot", "ft", nullptr},
      {"second", "minute", nullptr},
      {"second", "minute", "Time"},
      {"feet", "inches", nullptr},
      {"degC", "degF", nullptr},
      {"widget", "wd", nullptr},
      {"widget ", "widget   ", nullptr},
      {"IDE (PIO mode 0)", "H12", nullptr},
      {"metr", "m", nullptr},
      {"mile", "kg", nullptr},
      {"mile", "second", "Time"},
      {"ms", "m", "Distance"},
      {"", " ", nullptr},
      {"lbs", "kg", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.from << " -> " << c.to);
    CUnitCatalogue fresh;
    Build(fresh);
    const auto looked = UnitIndex(fresh).Resolve(
        c.from, c.to, c.category ? fresh.FindCategory(c.category) : nullptr);
    const auto indexed =
        tabled.Resolve(c.from, c.to, c.category ? whole.FindCategory(c.category) : nullptr);
    EXPECT_EQ(indexed.error, looked.error);
    EXPECT_EQ(indexed.message, looked.message);
    EXPECT_EQ(Found(indexed.value), Found(looked.value));
  }
}

}  // namespace
}  // namespace vantrel::cli
