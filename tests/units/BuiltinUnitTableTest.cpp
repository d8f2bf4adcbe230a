// The built-in table as data: order, names letter for letter, and factors.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <map>
#include <numbers>
#include <set>
#include <string>

#include "units/BuiltinUnitTable.h"

namespace vantrel {
namespace {

const BuiltinUnit* Find(std::wstring_view category, std::wstring_view name) {
  for (const BuiltinUnit& unit : BuiltinUnits())
    if (unit.category == category && unit.name == name) return &unit;
  return nullptr;
}

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

// The rows whose values are fixed to the digit; only they carry an offset or
// the inverted flag.
const ExactRow kExactRows[] = {
    {L"Temperature", L"degree Celsius", 1, 0, 0},
    {L"Temperature", L"degree Fahrenheit", 0.5555555555, -17.777777777777, 0},
    {L"Temperature", L"Kelvin", 1, -273.15, 0},
    {L"Temperature", L"degree Rankine", 0.5555555555, -273.15, 0},
    {L"Temperature", L"degree Reaumur", 1.25, 0, 0},
    {L"Fuel Consumption", L"gallon (UK)/100-mile", 35.400619, 0, 1},
    {L"Fuel Consumption", L"gallon (US)/100-mile", 42.5143707, 0, 1},
    {L"Fuel Consumption", L"gallon (UK)/100-kilometer", 21.9969248, 0, 1},
    {L"Fuel Consumption", L"gallon (US)/100-kilometer", 26.4172052, 0, 1},
    {L"Fuel Consumption", L"liter/100-kilometer", 100, 0, 1},
    {L"Fuel Consumption", L"liter/100-mile", 160.9344, 0, 1},
    {L"Fuel Consumption", L"kilometer/liter", 1, 0, 0},
    {L"Fuel Consumption", L"mile/gallon(US)", 0.425144, 0, 0},
    {L"Thermal Conductance (building)", L"R-value (imperial)", 5.67826333, 0, 1},
    {L"Thermal Conductance (building)", L"R-value (metric)", 1, 0, 1},
    {L"Thermal Conductance (building)", L"U-value (imperial)", 5.67826333, 0, 0},
    {L"Thermal Conductance (building)", L"U-value (metric)", 1, 0, 0},
};

TEST(BuiltinUnitTableTest, FixedRowsHoldTheirExactValues) {
  std::set<std::pair<std::wstring_view, std::wstring_view>> fixed;
  for (const ExactRow& row : kExactRows) {
    const BuiltinUnit* unit = Find(row.category, row.name);
    ASSERT_NE(unit, nullptr) << row.name;
    EXPECT_EQ(unit->coefficient, row.coefficient) << row.name;
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

bool HasAtMostSixDigits(double value) {
  char text[32];
  const auto written =
      std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6);
  double back = 0;
  std::from_chars(text, written.ptr, back);
  return back == value;
}

// Six significant digits everywhere but where exact definitions give more.
TEST(BuiltinUnitTableTest, CoefficientsAreRoundedToSixDigits) {
  const std::set<std::wstring_view> longer = {
      L"Temperature", L"Fuel Consumption",       L"Thermal Conductance (building)",
      L"Heat Flux",   L"Heat Generation (Vol.)", L"Viscosity (Kinematic)"};
  int sixDigits = 0;
  for (const BuiltinUnit& unit : BuiltinUnits()) {
    EXPECT_TRUE(std::isfinite(unit.coefficient) && unit.coefficient >= 0)
        << std::wstring(unit.name);
    if (HasAtMostSixDigits(unit.coefficient)) {
      ++sixDigits;
      continue;
    }
    EXPECT_TRUE(longer.contains(unit.category) || unit.name == L"magnetic flux quantum")
        << std::wstring(unit.category) << L" | " << std::wstring(unit.name) << L" "
        << unit.coefficient;
  }
  EXPECT_GE(sixDigits, 930);
}

struct SpotValue {
  const wchar_t* category;
  const wchar_t* name;
  double exact;  // by definition, in the category's base unit
  int digits;
};

constexpr double kPi = std::numbers::pi;
constexpr double kBtu = 1055.05585262;         // J, International Table
constexpr double kGallon = 3785.411784;        // cm³: 231 in³
constexpr double kLbf = 0.45359237 * 9.80665;  // N

const SpotValue kSpotValues[] = {
    {L"Angle", L"degree", 1.0 / 360, 6},
    {L"Angle", L"radian", 1 / (2 * kPi), 6},
    {L"Angle", L"second", 1.0 / 1296000, 6},
    {L"Angle (Solid)", L"steradian", (180 / kPi) * (180 / kPi), 6},
    {L"Area", L"hectare", 1e4 / 4046.8564224, 6},
    {L"Distance", L"foot", 30.48, 6},
    {L"Distance", L"mile", 160934.4, 6},
    {L"Distance", L"nautical mile", 185200, 6},
    {L"Distance", L"foot (US Survey)", 120000.0 / 3937, 6},
    {L"Distance", L"light year", 299792458e2 * 365.25 * 86400, 6},
    {L"Distance", L"parsec", 149597870700e2 * 648000 / kPi, 6},
    {L"Mass", L"pound", 453.59237, 6},
    {L"Mass", L"grain", 0.06479891, 6},
    {L"Mass", L"ounce(troy)", 31.1034768, 6},
    {L"Volume", L"gallon", kGallon, 6},
    {L"Volume", L"gallon (UK)", 4546.09, 6},
    {L"Volume", L"barrel (oil)", 42 * kGallon, 6},
    {L"Volume (Dry)", L"bushel", 2150.42 / 7056, 6},
    {L"Pressure", L"pascal", 1 / 101325.0, 6},
    {L"Pressure", L"torr", 1 / 760.0, 6},
    {L"Pressure", L"psi", kLbf / (0.0254 * 0.0254) / 101325, 6},
    {L"Energy", L"calorie (IT)", 4.1868, 6},
    {L"Energy", L"British thermal unit (IT)", kBtu, 6},
    {L"Energy", L"electronvolt", 1.602176634e-19, 6},
    {L"Power", L"watt", 3600 / kBtu, 6},
    {L"Power", L"ton (refrigeration)", 12000, 6},
    {L"Force", L"pound-force", kLbf * 1e5, 6},
    {L"Velocity", L"knot", 185200, 6},
    {L"Velocity", L"c", 299792458.0 * 360000, 6},
    {L"Time", L"year (Julian)", 31557600, 6},
    {L"Fuel Consumption", L"mile/gallon(UK)", 1.609344 / 4.54609, 6},
    {L"Data", L"megabit", 1048576, 6},
    {L"Data", L"megabyte", 8388608, 6},
    {L"Data", L"zettabyte", 8 * std::pow(1024.0, 7), 6},
    {L"Data Transfer", L"kilobit/second", 1024, 6},
    {L"Data Transfer", L"kilobit/second (SI)", 1000, 6},
    {L"Data Transfer", L"gigabyte/second (SI) ", 8e9, 6},
    {L"SI Prefix", L"yotta", 1e24, 6},
    {L"Magnetic Flux", L"magnetic flux quantum", 6.62607015e-34 / (2 * 1.602176634e-19), 10},
    {L"Heat Flux", L"Btu/hour·foot² (int.)", kBtu / 3600 / (0.3048 * 0.3048), 10},
    {L"Viscosity (Kinematic)", L"foot²/second", 0.3048 * 0.3048, 10},
};

TEST(BuiltinUnitTableTest, SpotValuesMatchTheirDefinitions) {
  for (const SpotValue& spot : kSpotValues) {
    const BuiltinUnit* unit = Find(spot.category, spot.name);
    ASSERT_NE(unit, nullptr) << spot.name;
    // Half a unit in the last kept digit, relative to the leading digit.
    const double tolerance = 0.5 * std::pow(10.0, 1 - spot.digits) * spot.exact;
    EXPECT_NEAR(unit->coefficient, spot.exact, tolerance) << spot.name;
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
  EXPECT_NE(Find(L"Numbers", L"base-16 (hexadecimal)"), nullptr);
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
      {L"Distance", L"angstrom", L"u212B"},
      {L"Angle", L"second", L"\""},
      {L"Angle", L"gon", L"gr"},
      {L"Angle", L"grade", L"gr"},
      {L"Angle", L"circle", L" "},
      {L"Concentration (Molar)", L"kilomole/millimeter³", L"kmol/ft³"},
      {L"Power", L"pferdesta\u0308rke", L"ps"},
      {L"Distance", L"fuß (German)", L" "},
      {L"Amount of Substance", L"micromole", L"\u00b5mol"},
  };
  for (const Abbreviation& c : cases) {
    const BuiltinUnit* unit = Find(c.category, c.name);
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
    const BuiltinUnit* a = Find(L"Data Transfer", lookAlike);
    const BuiltinUnit* b = Find(L"Data Transfer", original);
    ASSERT_NE(a, nullptr) << lookAlike;
    ASSERT_NE(b, nullptr) << original;
    EXPECT_EQ(a->coefficient, b->coefficient) << lookAlike;
  }
}

}  // namespace
}  // namespace vantrel
