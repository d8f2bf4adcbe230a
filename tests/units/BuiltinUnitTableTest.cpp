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
  const char* name;
  int visible;
  std::size_t units;
};

const CategoryRow kCategories[] = {
    {"Acceleration", 1, 10},
    {"Amount of Substance", 0, 4},
    {"Angle", 1, 16},
    {"Angle (Solid)", 0, 7},
    {"Angular Velocity", 0, 12},
    {"Area", 1, 18},
    {"Capacitance", 0, 7},
    {"Charge", 1, 8},
    {"Concentration (Liquid)", 0, 11},
    {"Concentration (Molar)", 0, 12},
    {"Conductance", 1, 10},
    {"Current", 1, 8},
    {"Data", 1, 31},
    {"Data Transfer", 1, 169},
    {"Density", 1, 15},
    {"Distance", 1, 100},
    {"Energy", 1, 27},
    {"Enthalpy (Mass)", 0, 5},
    {"Enthalpy (Molar)", 0, 7},
    {"Enthalpy (Volume)", 0, 5},
    {"Flow", 0, 36},
    {"Force", 1, 13},
    {"Fuel Consumption", 1, 18},
    {"Heat Flux", 0, 25},
    {"Heat Generation (Vol.)", 0, 11},
    {"Illumination", 0, 9},
    {"Inductance", 0, 21},
    {"Magnetic Flux", 0, 14},
    {"Mass", 1, 15},
    {"Numbers", 1, 35},
    {"Power", 1, 70},
    {"Pressure", 1, 22},
    {"Radiation", 0, 19},
    {"Radiation Exposure", 0, 11},
    {"SI Prefix", 1, 18},
    {"Surface Tension", 0, 11},
    {"Temperature", 1, 5},
    {"Thermal Conductance (building)", 1, 4},
    {"Time", 1, 48},
    {"Torque", 1, 13},
    {"Velocity", 1, 18},
    {"Viscosity (Dynamic)", 0, 23},
    {"Viscosity (Kinematic)", 0, 28},
    {"Volume", 1, 28},
    {"Volume (Dry)", 1, 8},
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
  std::map<std::string, std::set<std::string>> categoriesOf;
  std::set<std::pair<std::string, std::string>> seen;
  for (const BuiltinUnit& unit : BuiltinUnits()) {
    EXPECT_TRUE(seen.emplace(unit.category, unit.name).second) << std::string(unit.name);
    categoriesOf[std::string(unit.name)].emplace(unit.category);
  }
  std::set<std::string> shared;
  for (const auto& [name, categories] : categoriesOf)
    if (categories.size() > 1) shared.insert(name);
  const std::set<std::string> expected = {"mil",         "minute",
                                          "second",      "grain/gallon (US)",
                                          "gram/liter",  "kilogram/liter",
                                          "pound/foot³", "pound/gallon (UK)",
                                          "line",        "pound/gallon (US)",
                                          "ounce",       "liter",
                                          "pint",        "quart"};
  EXPECT_EQ(shared, expected);
}

// The units with coefficient exactly 1, offset 0 and not inverted.
TEST(BuiltinUnitTableTest, EachCategoryHasExactlyItsBaseUnits) {
  const std::map<std::string, std::set<std::string>> bases = {
      {"Acceleration", {"centimeter/second²", "galileo"}},
      {"Angle", {"circle", "revolution", "turn"}},
      {"Capacitance", {"abfarad", "EMU of capacitance"}},
      {"Concentration (Molar)", {"kilomole/centimeter³", "mole/millimeter³"}},
      {"Current", {"abampere", "EMU of current"}},
      {"Density", {"gram/centimeter³", "kilogram/liter"}},
      {"Energy", {"joule", "watt second"}},
      {"Flow", {"centimeter³/hour", "milliliter/hour"}},
      {"Heat Flux", {"watt/meter²", "joule/second·meter²"}},
      {"Heat Generation (Vol.)", {"joule/second·meter³", "watt/meter³"}},
      {"Illumination", {"centimeter·candle", "lumen/centimeter²", "phot"}},
      {"Inductance", {"abhenry", "EMU of inductance", "nanohenry"}},
      {"Magnetic Flux", {"weber", "volt·second", "tesla·meter²"}},
      {"Numbers", {}},
      {"Surface Tension", {"dyne/centimeter", "erg/centimeter²", "gram/second²"}},
      {"Viscosity (Dynamic)", {"centipoise", "millipascal·second"}},
      {"Volume", {"centimeter³", "milliliter"}},
      // The rest have one base unit each.
      {"Amount of Substance", {"mole"}},
      {"Angle (Solid)", {"square degree"}},
      {"Angular Velocity", {"radian/day"}},
      {"Area", {"acre"}},
      {"Charge", {"abcoulomb"}},
      {"Concentration (Liquid)", {"grain/gallon (UK)"}},
      {"Conductance", {"abmho"}},
      {"Data", {"bit"}},
      {"Data Transfer", {"bit/second"}},
      {"Distance", {"centimeter"}},
      {"Enthalpy (Mass)", {"kilojoule/kilogram"}},
      {"Enthalpy (Molar)", {"joule/mole"}},
      {"Enthalpy (Volume)", {"megajoule/meter³"}},
      {"Force", {"dyne"}},
      {"Fuel Consumption", {"kilometer/liter"}},
      {"Mass", {"gram"}},
      {"Power", {"Btu/hour (int.)"}},
      {"Pressure", {"atmosphere"}},
      {"Radiation", {"attogray/second"}},
      {"Radiation Exposure", {"coulomb/kilogram"}},
      {"SI Prefix", {"unity"}},
      {"Temperature", {"degree Celsius"}},
      {"Thermal Conductance (building)", {"U-value (metric)"}},
      {"Time", {"second"}},
      {"Torque", {"newton meter"}},
      {"Velocity", {"centimeter/hour"}},
      {"Viscosity (Kinematic)", {"meter²/second"}},
      {"Volume (Dry)", {"barrel (US)"}},
  };
  ASSERT_EQ(bases.size(), 45u);
  std::map<std::string, std::set<std::string>> found;
  for (const BuiltinCategory& category : BuiltinCategories()) found[std::string(category.name)];
  for (const BuiltinUnit& unit : BuiltinUnits())
    if (unit.coefficient == 1.0 && unit.offset == 0.0 && unit.inverted == 0)
      found[std::string(unit.category)].emplace(unit.name);
  EXPECT_EQ(found, bases);
}

struct ExactRow {
  const char* category;
  const char* name;
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
    {"Temperature", "degree Celsius", 1, 0, 0},
    {"Temperature", "degree Fahrenheit", 5.0 / 9, -17.777777777777, 0},
    {"Temperature", "Kelvin", 1, -273.15, 0},
    {"Temperature", "degree Rankine", 5.0 / 9, -273.15, 0},
    {"Temperature", "degree Reaumur", 1.25, 0, 0},
    {"Fuel Consumption", "gallon (UK)/100-mile", 160.9344 / kGallonUk, 0, 1},
    {"Fuel Consumption", "gallon (US)/100-mile", 160.9344 / kGallon, 0, 1},
    {"Fuel Consumption", "gallon (UK)/100-kilometer", 100 / kGallonUk, 0, 1},
    {"Fuel Consumption", "gallon (US)/100-kilometer", 100 / kGallon, 0, 1},
    {"Fuel Consumption", "liter/100-kilometer", 100, 0, 1},
    {"Fuel Consumption", "liter/100-mile", 160.9344, 0, 1},
    {"Fuel Consumption", "kilometer/liter", 1, 0, 0},
    {"Fuel Consumption", "mile/gallon(US)", 1.609344 / kGallon, 0, 0},
    {"Thermal Conductance (building)", "R-value (imperial)", 1.8 * kBtu / 3600 / kFoot2, 0, 1},
    {"Thermal Conductance (building)", "R-value (metric)", 1, 0, 1},
    {"Thermal Conductance (building)", "U-value (imperial)", 1.8 * kBtu / 3600 / kFoot2, 0, 0},
    {"Thermal Conductance (building)", "U-value (metric)", 1, 0, 0},
};

TEST(BuiltinUnitTableTest, FixedRowsHoldTheirExactValues) {
  std::set<std::pair<std::string_view, std::string_view>> fixed;
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
    EXPECT_EQ(unit.offset, 0.0) << std::string(unit.name);
    EXPECT_EQ(unit.inverted, 0) << std::string(unit.name);
  }
}

// Only the number bases lack a coefficient; every other row has one and says
// where it comes from, and --info finds each row by its names.
TEST(BuiltinUnitTableTest, EveryCoefficientHasItsProvenanceAndSource) {
  std::map<Provenance, int> counts;
  for (const BuiltinUnit& unit : BuiltinUnits()) {
    SCOPED_TRACE(testing::Message() << std::string(unit.name));
    ++counts[unit.provenance];
    EXPECT_EQ(unit.category == "Numbers", unit.provenance == Provenance::kNone);
    EXPECT_EQ(unit.category == "Numbers", unit.coefficient == 0.0);
    EXPECT_TRUE(std::isfinite(unit.coefficient) && unit.coefficient >= 0);
    EXPECT_FALSE(unit.source.empty());
    EXPECT_EQ(FindBuiltinUnit(unit.category, unit.name), &unit);
  }
  EXPECT_EQ(counts[Provenance::kNone], 35);
  EXPECT_GE(counts[Provenance::kExact] + counts[Provenance::kDerived], 700);
  EXPECT_EQ(FindBuiltinUnit("Distance", "second"), nullptr);
  EXPECT_EQ(ProvenanceName(Provenance::kDerived), "derived");
}

struct SpotValue {
  const char* category;
  const char* name;
  double exact;  // by definition, in the category's base unit
};

// Coefficients to a double's precision (the compiler's rounding of the
// definitions aside): no longer six significant digits.
const SpotValue kSpotValues[] = {
    {"Angle", "degree", 1.0 / 360},
    {"Angle", "radian", 1 / (2 * kPi)},
    {"Angle", "second", 1.0 / 1296000},
    {"Angle (Solid)", "steradian", (180 / kPi) * (180 / kPi)},
    {"Area", "hectare", 1e4 / 4046.8564224},
    {"Distance", "foot", 30.48},
    {"Distance", "mile", 160934.4},
    {"Distance", "nautical mile", 185200},
    {"Distance", "foot (US Survey)", 120000.0 / 3937},
    {"Distance", "light year", 299792458e2 * 365.25 * 86400},
    {"Distance", "parsec", 149597870700e2 * 648000 / kPi},
    {"Distance", "Bohr radius", 5.29177210903e-9},
    {"Mass", "pound", 453.59237},
    {"Mass", "grain", 0.06479891},
    {"Mass", "ounce(troy)", 31.1034768},
    {"Volume", "gallon", kGallon * 1000},
    {"Volume", "gallon (UK)", 4546.09},
    {"Volume", "barrel (oil)", 42 * kGallon * 1000},
    {"Volume (Dry)", "bushel", 2150.42 / 7056},
    {"Pressure", "pascal", 1 / 101325.0},
    {"Pressure", "torr", 1 / 760.0},
    {"Pressure", "psi", kLbf / (0.0254 * 0.0254) / 101325},
    {"Energy", "calorie (IT)", 4.1868},
    {"Energy", "British thermal unit (IT)", kBtu},
    {"Energy", "electronvolt", 1.602176634e-19},
    {"Charge", "faraday", 1.602176634e-19 * 6.02214076e23 / 10},
    {"Power", "watt", 3600 / kBtu},
    {"Power", "ton (refrigeration)", 12000},
    {"Force", "pound-force", kLbf * 1e5},
    {"Velocity", "knot", 185200},
    {"Velocity", "c", 299792458.0 * 360000},
    {"Time", "year (Julian)", 31557600},
    {"Fuel Consumption", "mile/gallon(UK)", 1.609344 / kGallonUk},
    {"Data", "megabit", 1048576},
    {"Data", "megabyte", 8388608},
    {"Data", "zettabyte", 8 * std::pow(1024.0, 7)},
    {"Data Transfer", "kilobit/second", 1024},
    {"Data Transfer", "kilobit/second (SI)", 1000},
    {"Data Transfer", "gigabyte/second (SI) ", 8e9},
    {"SI Prefix", "yotta", 1e24},
    {"Magnetic Flux", "magnetic flux quantum", 6.62607015e-34 / (2 * 1.602176634e-19)},
    {"Heat Flux", "Btu/hour·foot² (int.)", kBtu / 3600 / kFoot2},
    {"Viscosity (Kinematic)", "foot²/second", kFoot2},
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
    if (unit.category != "Numbers") continue;
    SCOPED_TRACE(testing::Message() << std::string(unit.name));
    ASSERT_GE(unit.name.size(), 7u);
    EXPECT_EQ(unit.name.substr(0, 5), "base-");
    EXPECT_EQ((unit.name[5] - '0') * 10 + (unit.name[6] - '0'), base);
    EXPECT_EQ(unit.coefficient, 0.0);
    EXPECT_EQ(unit.abbreviation, " ");
    ++base;
  }
  EXPECT_EQ(base, 37);
  EXPECT_NE(FindBuiltinUnit("Numbers", "base-16 (hexadecimal)"), nullptr);
}

TEST(BuiltinUnitTableTest, OddNamesAndAbbreviationsAreKeptLetterForLetter) {
  struct Abbreviation {
    const char* category;
    const char* name;
    const char* abbreviation;
  };
  const Abbreviation cases[] = {
      {"Power", "MBH", ""},
      {"Radiation Exposure", "parker", ""},
      {"Distance", "angstrom", "\u00c5"},
      {"Angle", "second", "\""},
      {"Angle", "gon", "gr"},
      {"Angle", "grade", "gr"},
      {"Angle", "circle", " "},
      {"Concentration (Molar)", "kilomole/centimeter³", "kmol/cm³"},
      {"Concentration (Molar)", "kilomole/millimeter³", "kmol/mm³"},
      {"Power", "pferdesta\u0308rke", "ps"},
      {"Distance", "fuß (German)", " "},
      {"Amount of Substance", "micromole", "\u00b5mol"},
  };
  for (const Abbreviation& c : cases) {
    const BuiltinUnit* unit = FindBuiltinUnit(c.category, c.name);
    ASSERT_NE(unit, nullptr) << c.name;
    EXPECT_EQ(unit->abbreviation, c.abbreviation) << c.name;
  }
  int empty = 0;
  for (const BuiltinUnit& unit : BuiltinUnits()) {
    empty += unit.abbreviation.empty();
    EXPECT_EQ(unit.name.find("\u00e4"), std::string_view::npos) << "composed umlaut";
  }
  EXPECT_EQ(empty, 2);
}

// Look-alike spellings (small L, letter O, i for 1, trailing blanks) are units
// of their own, sized like the names they imitate.
TEST(BuiltinUnitTableTest, LookAlikeTransferUnitsAreDistinctAndSizedAlike) {
  const std::pair<const char*, const char*> twins[] = {
      {"IDE (PlO mode 0) ", "IDE (PIO mode 0)"},
      {"IDE (PlO mode 2)", "IDE (PIO mode 2)"},
      {"H12 ", "H12"},
      {"HO ", "H0"},
      {"Hil ", "H11"},
      {"TO (payload) ", "T0 (payload)"},
      {"TiZ (payload) ", "T1Z (payload)"},
      {"SCSI (LVD Ultral6O) ", "SCSI (LVD Ultra160)"},
      {"firewire (IEEE-i394) ", "firewire (IEEE-1394)"},
      {"gigabit/second (SI) ", "gigabit/second (SI def.)"},
  };
  for (const auto& [lookAlike, original] : twins) {
    const BuiltinUnit* a = FindBuiltinUnit("Data Transfer", lookAlike);
    const BuiltinUnit* b = FindBuiltinUnit("Data Transfer", original);
    ASSERT_NE(a, nullptr) << lookAlike;
    ASSERT_NE(b, nullptr) << original;
    EXPECT_EQ(a->coefficient, b->coefficient) << lookAlike;
  }
}

}  // namespace
}  // namespace vantrel
