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
  catalogue.AddCategory(L"Stuff", 0, 1, 1);
  catalogue.SelectCategory(L"Stuff");
  catalogue.AddUnit(L"widget ", L"wd", 1, 0, 0, 1, 0);
  catalogue.SelectCategory(L"Distance");
  catalogue.AddUnit(L"smoot", L"ft", 170.18, 0, 0, 1, 0);  // an abbreviation shared
}

// What a resolution found, by name ("-" for nothing).
std::wstring Found(const UnitChoice& choice) {
  auto name = [](const auto* found) { return found ? std::wstring(found->Name()) : L"-"; };
  auto unit = [](const CUnit* found) { return found ? found->name : L"-"; };
  return name(choice.category) + L": " + unit(choice.from) + L" -> " + unit(choice.to);
}

// Each look-up through a catalogue fresh from the table (its categories not
// yet units) against one through a table of every key.
TEST(UnitIndex, LooksUpAlikeBeforeAndAfterItsTable) {
  CUnitCatalogue whole;
  Build(whole);
  UnitIndex tabled(whole);
  UnitChoice warm;
  std::string ignored;
  for (int i = 0; i < 20; ++i) tabled.Resolve(L"m", L"m", nullptr, warm, ignored);

  const struct {
    const wchar_t* from;
    const wchar_t* to;
    const wchar_t* category;
  } cases[] = {
      {L"mile", L"km", nullptr},
      {L"foot", L"ft", nullptr},
      {L"second", L"minute", nullptr},
      {L"second", L"minute", L"Time"},
      {L"feet", L"inches", nullptr},
      {L"degC", L"degF", nullptr},
      {L"widget", L"wd", nullptr},
      {L"widget ", L"widget   ", nullptr},
      {L"IDE (PIO mode 0)", L"H12", nullptr},
      {L"metr", L"m", nullptr},
      {L"mile", L"kg", nullptr},
      {L"mile", L"second", L"Time"},
      {L"ms", L"m", L"Distance"},
      {L"", L" ", nullptr},
      {L"lbs", L"kg", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.from << " -> " << c.to);
    CUnitCatalogue fresh;
    Build(fresh);
    UnitChoice looked, indexed;
    std::string lookedError, indexedError;
    const bool found = UnitIndex(fresh).Resolve(
        c.from, c.to, c.category ? fresh.FindCategory(c.category) : nullptr, looked, lookedError);
    EXPECT_EQ(tabled.Resolve(c.from, c.to, c.category ? whole.FindCategory(c.category) : nullptr,
                             indexed, indexedError),
              found);
    EXPECT_EQ(indexedError, lookedError);
    EXPECT_EQ(Found(indexed), Found(looked));
  }
}

}  // namespace
}  // namespace vantrel::cli
