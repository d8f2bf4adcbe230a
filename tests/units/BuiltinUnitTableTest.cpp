// The built-in table as data: order, names letter for letter, and factors.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numbers>
#include <set>
#include <string>

#include "units/BuiltinUnitTable.h"

namespace vantrel {
namespace {

struct CategoryRow {
  const wchar_t* name;
  int visible;
  std::size_t units;
};

const CategoryRow kCategories[] = {
    {L"Acceleration", 1, 10},
    {L"Amount of Substance", 0, 4},
    {L"Angle", 1, 16},
    {L"Angle (Solid)", 0, 7},
    {L"Angular Velocity", 0, 12},
    {L"Area", 1, 18},
    {L"Capacitance", 0, 7},
    {L"Charge", 1, 8},
    {L"Concentration (Liquid)", 0, 11},
    {L"Concentration (Molar)", 0, 12},
    {L"Conductance", 1, 10},
    {L"Current", 1, 8},
    {L"Data", 1, 31},
    {L"Data Transfer", 1, 169},
    {L"Density", 1, 15},
    {L"Distance", 1, 100},
    {L"Energy", 1, 27},
    {L"Enthalpy (Mass)", 0, 5},
    {L"Enthalpy (Molar)", 0, 7},
    {L"Enthalpy (Volume)", 0, 5},
    {L"Flow", 0, 36},
    {L"Force", 1, 13},
    {L"Fuel Consumption", 1, 18},
    {L"Heat Flux", 0, 25},
    {L"Heat Generation (Vol.)", 0, 11},
    {L"Illumination", 0, 9},
    {L"Inductance", 0, 21},
    {L"Magnetic Flux", 0, 14},
    {L"Mass", 1, 15},
    {L"Numbers", 1, 35},
    {L"Power", 1, 70},
    {L"Pressure", 1, 22},
    {L"Radiation", 0, 19},
    {L"Radiation Exposure", 0, 11},
    {L"SI Prefix", 1, 18},
    {L"Surface Tension", 0, 11},
    {L"Temperature", 1, 5},
    {L"Thermal Conductance (building)", 1, 4},
    {L"Time", 1, 48},
    {L"Torque", 1, 13},
    {L"Velocity", 1, 18},
    {L"Viscosity (Dynamic)", 0, 23},
    {L"Viscosity (Kinematic)", 0, 28},
    {L"Volume", 1, 28},
    {L"Volume (Dry)", 1, 8},
};

// The builder walks the rows once in category order, so a row out of its
// group would be lost silently.
TEST(BuiltinUnitTableTest, CategoriesInOrderWithTheirUnitsInOneGroupEach) {
  const auto categories = BuiltinCategories();
  const auto units = BuiltinUnits();
  ASSERT_EQ(categories.size(), std::size(kCategories));
  std::size_t next = 0;
  int visible = 0;
  for (std::size_t i = 0; i < categories.size(); ++i) {
    const CategoryRow& row = kCategories[i];
    SCOPED_TRACE(testing::Message() << row.name);
    EXPECT_EQ(categories[i].name, row.name);
    EXPECT_EQ(categories[i].visible, row.visible);
    visible += categories[i].visible;
    std::size_t count = 0;
    for (; next < units.size() && units[next].category == categories[i].name; ++next) ++count;
    EXPECT_EQ(count, row.units);
  }
  EXPECT_EQ(next, units.size()) << "rows outside their category's group";
  EXPECT_EQ(units.size(), 1005u);
  EXPECT_EQ(visible, 25);
}

TEST(BuiltinUnitTableTest, NamesAreUniqueWithinACategoryAndSharedOnlyWhereIntended) {
  std::map<std::wstring, std::set<std::wstring>> categoriesOf;
  std::set<std::pair<std::wstring, std::wstring>> seen;
  for (const BuiltinUnit& unit : BuiltinUnits()) {
    EXPECT_TRUE(seen.emplace(unit.category, unit.name).second) << std::wstring(unit.name);
    categoriesOf[std::wstring(unit.name)].emplace(unit.category);
  }
  std::set<std::wstring> shared;
  for (const auto& [name, categories] : categoriesOf)
    if (categories.size() > 1) shared.insert(name);
  const std::set<std::wstring> expected = {L"mil",         L"minute",
                                           L"second",      L"grain/gallon (US)",
                                           L"gram/liter",  L"kilogram/liter",
                                           L"pound/foot³", L"pound/gallon (UK)",
                                           L"line",        L"pound/gallon (US)",
                                           L"ounce",       L"liter",
                                           L"pint",        L"quart"};
  EXPECT_EQ(shared, expected);
}

// The units with coefficient exactly 1, offset 0 and not inverted.
TEST(BuiltinUnitTableTest, EachCategoryHasExactlyItsBaseUnits) {
  const std::map<std::wstring, std::set<std::wstring>> bases = {
      {L"Acceleration", {L"centimeter/second²", L"galileo"}},
      {L"Angle", {L"circle", L"revolution", L"turn"}},
      {L"Capacitance", {L"abfarad", L"EMU of capacitance"}},
      {L"Concentration (Molar)", {L"kilomole/centimeter³", L"mole/millimeter³"}},
      {L"Current", {L"abampere", L"EMU of current"}},
      {L"Density", {L"gram/centimeter³", L"kilogram/liter"}},
      {L"Energy", {L"joule", L"watt second"}},
      {L"Flow", {L"centimeter³/hour", L"milliliter/hour"}},
      {L"Heat Flux", {L"watt/meter²", L"joule/second·meter²"}},
      {L"Heat Generation (Vol.)", {L"joule/second·meter³", L"watt/meter³"}},
      {L"Illumination", {L"centimeter·candle", L"lumen/centimeter²", L"phot"}},
      {L"Inductance", {L"abhenry", L"EMU of inductance", L"nanohenry"}},
      {L"Magnetic Flux", {L"weber", L"volt·second", L"tesla·meter²"}},
      {L"Numbers", {}},
      {L"Surface Tension", {L"dyne/centimeter", L"erg/centimeter²", L"gram/second²"}},
      {L"Viscosity (Dynamic)", {L"centipoise", L"millipascal·second"}},
      {L"Volume", {L"centimeter³", L"milliliter"}},
      // The rest have one base unit each.
      {L"Amount of Substance", {L"mole"}},
      {L"Angle (Solid)", {L"square degree"}},
      {L"Angular Velocity", {L"radian/day"}},
      {L"Area", {L"acre"}},
      {L"Charge", {L"abcoulomb"}},
      {L"Concentration (Liquid)", {L"grain/gallon (UK)"}},
      {L"Conductance", {L"abmho"}},
      {L"Data", {L"bit"}},
      {L"Data Transfer", {L"bit/second"}},
      {L"Distance", {L"centimeter"}},
      {L"Enthalpy (Mass)", {L"kilojoule/kilogram"}},
      {L"Enthalpy (Molar)", {L"joule/mole"}},
      {L"Enthalpy (Volume)", {L"megajoule/meter³"}},
      {L"Force", {L"dyne"}},
      {L"Fuel Consumption", {L"kilometer/liter"}},
      {L"Mass", {L"gram"}},
      {L"Power", {L"Btu/hour (int.)"}},
      {L"Pressure", {L"atmosphere"}},
      {L"Radiation", {L"attogray/second"}},
      {L"Radiation Exposure", {L"coulomb/kilogram"}},
      {L"SI Prefix", {L"unity"}},
      {L"Temperature", {L"degree Celsius"}},
      {L"Thermal Conductance (building)", {L"U-value (metric)"}},
      {L"Time", {L"second"}},
      {L"Torque", {L"newton meter"}},
      {L"Velocity", {L"centimeter/hour"}},
      {L"Viscosity (Kinematic)", {L"meter²/second"}},
      {L"Volume (Dry)", {L"barrel (US)"}},
  };
  ASSERT_EQ(bases.size(), 45u);
  std::map<std::wstring, std::set<std::wstring>> found;
  for (const BuiltinCategory& category : BuiltinCategories()) found[std::wstring(category.name)];
  for (const BuiltinUnit& unit : BuiltinUnits())
    if (unit.coefficient == 1.0 && unit.offset == 0.0 && unit.inverted == 0)
      found[std::wstring(unit.category)].emplace(unit.name);
  EXPECT_EQ(found, bases);
}

struct ExactRow {
  const wchar_t* category;
  const wchar_t* name;
  double coefficient;
  double offset;
  int inverted;
};

constexpr double kPi = std::numbers::pi;
constexpr double kBtu = 1055.05585262;         // J, International Table
constexpr double kGallon = 3.785411784;        // L: 231 in³
constexpr double kGallonUk = 4.54609;          // L
constexpr double kLbf = 0.45359237 * 9.80665;  // N
constexpr double kFoot2 = 0.3048 * 0.3048;     // m²

// The rows that carry an offset or the inverted flag. The offsets are the
// established ones to the digit; the coefficients are their definitions.
const ExactRow kExactRows[] = {
    {L"Temperature", L"degree Celsius", 1, 0, 0},
    {L"Temperature", L"degree Fahrenheit", 5.0 / 9, -17.777777777777, 0},
    {L"Temperature", L"Kelvin", 1, -273.15, 0},
    {L"Temperature", L"degree Rankine", 5.0 / 9, -273.15, 0},
    {L"Temperature", L"degree Reaumur", 1.25, 0, 0},
    {L"Fuel Consumption", L"gallon (UK)/100-mile", 160.9344 / kGallonUk, 0, 1},
    {L"Fuel Consumption", L"gallon (US)/100-mile", 160.9344 / kGallon, 0, 1},
    {L"Fuel Consumption", L"gallon (UK)/100-kilometer", 100 / kGallonUk, 0, 1},
    {L"Fuel Consumption", L"gallon (US)/100-kilometer", 100 / kGallon, 0, 1},
    {L"Fuel Consumption", L"liter/100-kilometer", 100, 0, 1},
    {L"Fuel Consumption", L"liter/100-mile", 160.9344, 0, 1},
    {L"Fuel Consumption", L"kilometer/liter", 1, 0, 0},
    {L"Fuel Consumption", L"mile/gallon(US)", 1.609344 / kGallon, 0, 0},
    {L"Thermal Conductance (building)", L"R-value (imperial)", 1.8 * kBtu / 3600 / kFoot2, 0, 1},
    {L"Thermal Conductance (building)", L"R-value (metric)", 1, 0, 1},
    {L"Thermal Conductance (building)", L"U-value (imperial)", 1.8 * kBtu / 3600 / kFoot2, 0, 0},
    {L"Thermal Conductance (building)", L"U-value (metric)", 1, 0, 0},
};

TEST(BuiltinUnitTableTest, FixedRowsHoldTheirExactValues) {
  std::set<std::pair<std::wstring_view, std::wstring_view>> fixed;
  for (const ExactRow& row : kExactRows) {
    const BuiltinUnit* unit = FindBuiltinUnit(row.category, row.name);
    ASSERT_NE(unit, nullptr) << row.name;
    EXPECT_DOUBLE_EQ(unit->coefficient, row.coefficient) << row.name;
    EXPECT_EQ(unit->offset, row.offset) << row.name;
    EXPECT_EQ(unit->inverted, row.inverted) << row.name;
    fixed.emplace(row.category, row.name);
  }
  for (const BuiltinUnit& unit : BuiltinUnits()) {
    if (fixed.contains({unit.category, unit.name})) continue;
    EXPECT_EQ(unit.offset, 0.0) << std::wstring(unit.name);
    EXPECT_EQ(unit.inverted, 0) << std::wstring(unit.name);
  }
}

// Only the number bases lack a coefficient; every other row has one and says
// where it comes from, and --info finds each row by its names.
TEST(BuiltinUnitTableTest, EveryCoefficientHasItsProvenanceAndSource) {
  std::map<Provenance, int> counts;
  for (const BuiltinUnit& unit : BuiltinUnits()) {
    SCOPED_TRACE(testing::Message() << std::wstring(unit.name));
    ++counts[unit.provenance];
    EXPECT_EQ(unit.category == L"Numbers", unit.provenance == Provenance::kNone);
    EXPECT_EQ(unit.category == L"Numbers", unit.coefficient == 0.0);
    EXPECT_TRUE(std::isfinite(unit.coefficient) && unit.coefficient >= 0);
    EXPECT_FALSE(unit.source.empty());
    EXPECT_EQ(FindBuiltinUnit(unit.category, unit.name), &unit);
  }
  EXPECT_EQ(counts[Provenance::kNone], 35);
  EXPECT_GE(counts[Provenance::kExact] + counts[Provenance::kDerived], 700);
  EXPECT_EQ(FindBuiltinUnit(L"Distance", L"second"), nullptr);
  EXPECT_EQ(ProvenanceName(Provenance::kDerived), L"derived");
}

struct SpotValue {
  const wchar_t* category;
  const wchar_t* name;
  double exact;  // by definition, in the category's base unit
};

// Coefficients to a double's precision (the compiler's rounding of the
// definitions aside): no longer six significant digits.
const SpotValue kSpotValues[] = {
    {L"Angle", L"degree", 1.0 / 360},
    {L"Angle", L"radian", 1 / (2 * kPi)},
    {L"Angle", L"second", 1.0 / 1296000},
    {L"Angle (Solid)", L"steradian", (180 / kPi) * (180 / kPi)},
    {L"Area", L"hectare", 1e4 / 4046.8564224},
    {L"Distance", L"foot", 30.48},
    {L"Distance", L"mile", 160934.4},
    {L"Distance", L"nautical mile", 185200},
    {L"Distance", L"foot (US Survey)", 120000.0 / 3937},
    {L"Distance", L"light year", 299792458e2 * 365.25 * 86400},
    {L"Distance", L"parsec", 149597870700e2 * 648000 / kPi},
    {L"Distance", L"Bohr radius", 5.29177210903e-9},
    {L"Mass", L"pound", 453.59237},
    {L"Mass", L"grain", 0.06479891},
    {L"Mass", L"ounce(troy)", 31.1034768},
    {L"Volume", L"gallon", kGallon * 1000},
    {L"Volume", L"gallon (UK)", 4546.09},
    {L"Volume", L"barrel (oil)", 42 * kGallon * 1000},
    {L"Volume (Dry)", L"bushel", 2150.42 / 7056},
    {L"Pressure", L"pascal", 1 / 101325.0},
    {L"Pressure", L"torr", 1 / 760.0},
    {L"Pressure", L"psi", kLbf / (0.0254 * 0.0254) / 101325},
    {L"Energy", L"calorie (IT)", 4.1868},
    {L"Energy", L"British thermal unit (IT)", kBtu},
    {L"Energy", L"electronvolt", 1.602176634e-19},
    {L"Charge", L"faraday", 1.602176634e-19 * 6.02214076e23 / 10},
    {L"Power", L"watt", 3600 / kBtu},
    {L"Power", L"ton (refrigeration)", 12000},
    {L"Force", L"pound-force", kLbf * 1e5},
    {L"Velocity", L"knot", 185200},
    {L"Velocity", L"c", 299792458.0 * 360000},
    {L"Time", L"year (Julian)", 31557600},
    {L"Fuel Consumption", L"mile/gallon(UK)", 1.609344 / kGallonUk},
    {L"Data", L"megabit", 1048576},
    {L"Data", L"megabyte", 8388608},
    {L"Data", L"zettabyte", 8 * std::pow(1024.0, 7)},
    {L"Data Transfer", L"kilobit/second", 1024},
    {L"Data Transfer", L"kilobit/second (SI)", 1000},
    {L"Data Transfer", L"gigabyte/second (SI) ", 8e9},
    {L"SI Prefix", L"yotta", 1e24},
    {L"Magnetic Flux", L"magnetic flux quantum", 6.62607015e-34 / (2 * 1.602176634e-19)},
    {L"Heat Flux", L"Btu/hour·foot² (int.)", kBtu / 3600 / kFoot2},
    {L"Viscosity (Kinematic)", L"foot²/second", kFoot2},
};

TEST(BuiltinUnitTableTest, SpotValuesMatchTheirDefinitions) {
  for (const SpotValue& spot : kSpotValues) {
    const BuiltinUnit* unit = FindBuiltinUnit(spot.category, spot.name);
    ASSERT_NE(unit, nullptr) << spot.name;
    EXPECT_NEAR(unit->coefficient, spot.exact, 1e-15 * spot.exact) << spot.name;
  }
}

TEST(BuiltinUnitTableTest, NumberBasesAreTwoToThirtySixWithoutAFactor) {
  int base = 2;
  for (const BuiltinUnit& unit : BuiltinUnits()) {
    if (unit.category != L"Numbers") continue;
    SCOPED_TRACE(testing::Message() << std::wstring(unit.name));
    ASSERT_GE(unit.name.size(), 7u);
    EXPECT_EQ(unit.name.substr(0, 5), L"base-");
    EXPECT_EQ((unit.name[5] - L'0') * 10 + (unit.name[6] - L'0'), base);
    EXPECT_EQ(unit.coefficient, 0.0);
    EXPECT_EQ(unit.abbreviation, L" ");
    ++base;
  }
  EXPECT_EQ(base, 37);
  EXPECT_NE(FindBuiltinUnit(L"Numbers", L"base-16 (hexadecimal)"), nullptr);
}

TEST(BuiltinUnitTableTest, OddNamesAndAbbreviationsAreKeptLetterForLetter) {
  struct Abbreviation {
    const wchar_t* category;
    const wchar_t* name;
    const wchar_t* abbreviation;
  };
  const Abbreviation cases[] = {
      {L"Power", L"MBH", L""},
      {L"Radiation Exposure", L"parker", L""},
      {L"Distance", L"angstrom", L"\u00c5"},
      {L"Angle", L"second", L"\""},
      {L"Angle", L"gon", L"gr"},
      {L"Angle", L"grade", L"gr"},
      {L"Angle", L"circle", L" "},
      {L"Concentration (Molar)", L"kilomole/centimeter³", L"kmol/cm³"},
      {L"Concentration (Molar)", L"kilomole/millimeter³", L"kmol/mm³"},
      {L"Power", L"pferdesta\u0308rke", L"ps"},
      {L"Distance", L"fuß (German)", L" "},
      {L"Amount of Substance", L"micromole", L"\u00b5mol"},
  };
  for (const Abbreviation& c : cases) {
    const BuiltinUnit* unit = FindBuiltinUnit(c.category, c.name);
    ASSERT_NE(unit, nullptr) << c.name;
    EXPECT_EQ(unit->abbreviation, c.abbreviation) << c.name;
  }
  int empty = 0;
  for (const BuiltinUnit& unit : BuiltinUnits()) {
    empty += unit.abbreviation.empty();
    EXPECT_EQ(unit.name.find(L'\u00e4'), std::wstring_view::npos) << "composed umlaut";
  }
  EXPECT_EQ(empty, 2);
}

// Look-alike spellings (small L, letter O, i for 1, trailing blanks) are units
// of their own, sized like the names they imitate.
TEST(BuiltinUnitTableTest, LookAlikeTransferUnitsAreDistinctAndSizedAlike) {
  const std::pair<const wchar_t*, const wchar_t*> twins[] = {
      {L"IDE (PlO mode 0) ", L"IDE (PIO mode 0)"},
      {L"IDE (PlO mode 2)", L"IDE (PIO mode 2)"},
      {L"H12 ", L"H12"},
      {L"HO ", L"H0"},
      {L"Hil ", L"H11"},
      {L"TO (payload) ", L"T0 (payload)"},
      {L"TiZ (payload) ", L"T1Z (payload)"},
      {L"SCSI (LVD Ultral6O) ", L"SCSI (LVD Ultra160)"},
      {L"firewire (IEEE-i394) ", L"firewire (IEEE-1394)"},
      {L"gigabit/second (SI) ", L"gigabit/second (SI def.)"},
  };
  for (const auto& [lookAlike, original] : twins) {
    const BuiltinUnit* a = FindBuiltinUnit(L"Data Transfer", lookAlike);
    const BuiltinUnit* b = FindBuiltinUnit(L"Data Transfer", original);
    ASSERT_NE(a, nullptr) << lookAlike;
    ASSERT_NE(b, nullptr) << original;
    EXPECT_EQ(a->coefficient, b->coefficient) << lookAlike;
  }
}

}  // namespace
}  // namespace vantrel
