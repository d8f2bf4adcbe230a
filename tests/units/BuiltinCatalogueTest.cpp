// The catalogue as the builder leaves it.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "units/BuiltinCatalogue.h"
#include "units/UnitCatalogue.h"

namespace vantrel {
namespace {

struct CategoryRow {
  const char* name;
  int visible;
  std::size_t units;
  std::set<std::string> baseUnits;
};

const CategoryRow kCategories[] = {
    {"Acceleration", 1, 10, {"centimeter/second²", "galileo"}},
    {"Amount of Substance", 0, 4, {"mole"}},
    {"Angle", 1, 16, {"circle", "revolution", "turn"}},
    {"Angle (Solid)", 0, 7, {"square degree"}},
    {"Angular Velocity", 0, 12, {"radian/day"}},
    {"Area", 1, 18, {"acre"}},
    {"Capacitance", 0, 7, {"abfarad", "EMU of capacitance"}},
    {"Charge", 1, 8, {"abcoulomb"}},
    {"Concentration (Liquid)", 0, 11, {"grain/gallon (UK)"}},
    {"Concentration (Molar)", 0, 12, {"kilomole/centimeter³", "mole/millimeter³"}},
    {"Conductance", 1, 10, {"abmho"}},
    {"Current", 1, 8, {"abampere", "EMU of current"}},
    {"Data", 1, 31, {"bit"}},
    {"Data Transfer", 1, 169, {"bit/second"}},
    {"Density", 1, 15, {"gram/centimeter³", "kilogram/liter"}},
    {"Distance", 1, 100, {"centimeter"}},
    {"Energy", 1, 27, {"joule", "watt second"}},
    {"Enthalpy (Mass)", 0, 5, {"kilojoule/kilogram"}},
    {"Enthalpy (Molar)", 0, 7, {"joule/mole"}},
    {"Enthalpy (Volume)", 0, 5, {"megajoule/meter³"}},
    {"Flow", 0, 36, {"centimeter³/hour", "milliliter/hour"}},
    {"Force", 1, 13, {"dyne"}},
    {"Fuel Consumption", 1, 18, {"kilometer/liter"}},
    {"Heat Flux", 0, 25, {"watt/meter²", "joule/second·meter²"}},
    {"Heat Generation (Vol.)", 0, 11, {"joule/second·meter³", "watt/meter³"}},
    {"Illumination", 0, 9, {"centimeter·candle", "lumen/centimeter²", "phot"}},
    {"Inductance", 0, 21, {"abhenry", "EMU of inductance", "nanohenry"}},
    {"Magnetic Flux", 0, 14, {"weber", "volt·second", "tesla·meter²"}},
    {"Mass", 1, 15, {"gram"}},
    {"Numbers", 1, 35, {}},
    {"Power", 1, 70, {"Btu/hour (int.)"}},
    {"Pressure", 1, 22, {"atmosphere"}},
    {"Radiation", 0, 19, {"attogray/second"}},
    {"Radiation Exposure", 0, 11, {"coulomb/kilogram"}},
    {"SI Prefix", 1, 18, {"unity"}},
    {"Surface Tension", 0, 11, {"dyne/centimeter", "erg/centimeter²", "gram/second²"}},
    {"Temperature", 1, 5, {"degree Celsius"}},
    {"Thermal Conductance (building)", 1, 4, {"U-value (metric)"}},
    {"Time", 1, 48, {"second"}},
    {"Torque", 1, 13, {"newton meter"}},
    {"Velocity", 1, 18, {"centimeter/hour"}},
    {"Viscosity (Dynamic)", 0, 23, {"centipoise", "millipascal·second"}},
    {"Viscosity (Kinematic)", 0, 28, {"meter²/second"}},
    {"Volume", 1, 28, {"centimeter³", "milliliter"}},
    {"Volume (Dry)", 1, 8, {"barrel (US)"}},
};

class BuiltinCatalogueTest : public ::testing::Test {
 protected:
  void SetUp() override { BuildBuiltinCatalogue(catalogue_); }
  CUnitCatalogue catalogue_;
};

TEST_F(BuiltinCatalogueTest, HoldsEveryCategoryWithItsVisibilityAndUnitCount) {
  ASSERT_EQ(catalogue_.Categories().size(), 45u);
  std::size_t units = 0;
  int visible = 0;
  for (const CategoryRow& row : kCategories) {
    SCOPED_TRACE(testing::Message() << row.name);
    const CCategory* category = catalogue_.FindCategory(row.name);
    ASSERT_NE(category, nullptr);
    EXPECT_EQ(category->Visible(), row.visible);
    EXPECT_EQ(category->Custom(), 0);
    EXPECT_EQ(category->Units().size(), row.units);
    units += category->Units().size();
    visible += category->Visible();
  }
  EXPECT_EQ(units, 1005u);
  EXPECT_EQ(visible, 25);
}

// The base units are exactly those with coefficient 1, offset 0, not inverted.
TEST_F(BuiltinCatalogueTest, BaseUnitsAreExactlyTheUnitsOfCoefficientOne) {
  for (const CategoryRow& row : kCategories) {
    const CCategory* category = catalogue_.FindCategory(row.name);
    ASSERT_NE(category, nullptr);
    std::set<std::string> found;
    for (const auto& [name, unit] : category->Units())
      if (unit.coefficient == 1.0 && unit.offset == 0.0 && !unit.inverted) found.insert(name);
    EXPECT_EQ(found, row.baseUnits) << row.name;
  }
}

TEST_F(BuiltinCatalogueTest, EndsWithVolumeDryCurrentAndNothingSelected) {
  EXPECT_EQ(catalogue_.CurrentCategoryName(), "Volume (Dry)");
  for (const auto& [name, category] : catalogue_.Categories()) {
    EXPECT_EQ(category.InputUnit(), nullptr);
    EXPECT_EQ(category.OutputUnit(), nullptr);
    for (const auto& [unitName, unit] : category.Units()) EXPECT_EQ(unit.custom, 0);
  }
}

// A category's rows become units when it is first used, whatever the use: a
// unit added to it meets the built-in ones already there.
TEST_F(BuiltinCatalogueTest, RowsBecomeUnitsWhenTheCategoryIsFirstUsed) {
  const CCategory* distance = catalogue_.FindCategory("Distance");
  EXPECT_EQ(distance->PendingBuiltinUnits().size(), 100u);
  ASSERT_TRUE(catalogue_.SelectCategory("Distance"));
  EXPECT_EQ(catalogue_.AddUnit("foot", " ", 1, 0, 0, 1, 0), result::kAlreadyExists);
  EXPECT_TRUE(distance->PendingBuiltinUnits().empty());
  EXPECT_EQ(catalogue_.AddUnit("smoot", " ", 170.18, 0, 0, 1, 0), result::kDone);
  EXPECT_EQ(distance->Units().size(), 101u);
  EXPECT_EQ(distance->FindUnit("foot")->custom, 0);
}

TEST_F(BuiltinCatalogueTest, LookAlikeNamesAreDistinctUnits) {
  const CCategory* transfer = catalogue_.FindCategory("Data Transfer");
  ASSERT_NE(transfer, nullptr);
  for (const char* name :
       {"IDE (PlO mode 0) ", "IDE (PIO mode 0)", "H12 ", "H12", "TO (payload) ", "T0 (payload)"})
    EXPECT_NE(transfer->FindUnit(name), nullptr) << name;
  EXPECT_NE(catalogue_.FindCategory("Power")->FindUnit("pferdesta\u0308rke"), nullptr);
  EXPECT_NE(catalogue_.FindCategory("Angle")->FindUnit("second"), nullptr);
  EXPECT_NE(catalogue_.FindCategory("Angle")->FindUnit("second")->coefficient,
            catalogue_.FindCategory("Time")->FindUnit("second")->coefficient);
}

struct ConversionCase {
  const char* category;
  const char* from;
  const char* to;
  double value;
  const char* expected;
};

// Conversions through the built table, in automatic format (eight digits):
// the documented examples and, per category, identities that hold exactly by
// the units' definitions.
TEST_F(BuiltinCatalogueTest, ConvertsTheDocumentedExamplesAndExactIdentities) {
  const ConversionCase cases[] = {
      {"Temperature", "degree Celsius", "degree Fahrenheit", 100, "212"},
      {"Temperature", "degree Fahrenheit", "degree Celsius", 212, "100"},
      {"Temperature", "Kelvin", "degree Celsius", 0, "-273.15"},
      {"Temperature", "degree Celsius", "Kelvin", 0, "273.15"},
      {"Fuel Consumption", "liter/100-kilometer", "kilometer/liter", 5, "20"},
      {"Fuel Consumption", "kilometer/liter", "liter/100-kilometer", 20, "5"},
      {"SI Prefix", "yotta", "unity", 1, "1e+024"},
      {"Distance", "foot", "centimeter", 1, "30.48"},
      {"Data", "megabyte", "bit", 1, "8388608"},
      {"Data Transfer", "kilobit/second (SI)", "kilobit/second", 1024, "1000"},
      {"Distance", "mile", "kilometer", 100, "160.9344"},
      {"Data", "megabyte", "byte", 1, "1048576"},
      {"Angle", "degree", "radian", 45, "0.78539816"},
      {"Mass", "pound", "kilogram", 1, "0.45359237"},
      {"Distance", "inch", "foot", 12, "1"},
      {"Distance", "mile", "kilometer", 1, "1.609344"},
      {"Distance", "foot (US Survey)", "meter", 3937, "1200"},
      {"Distance", "light year", "kilometer", 1, "9.4607305e+012"},
      {"Data", "gigabit", "megabit", 1, "1024"},
      {"Data", "exabyte", "byte", 1, "1.1529215e+018"},
      {"Data Transfer", "megabyte/second", "kilobyte/second", 1, "1024"},
      {"Temperature", "degree Celsius", "degree Fahrenheit", -40, "-40"},
      {"Temperature", "degree Rankine", "Kelvin", 9, "5"},
      {"Fuel Consumption", "liter/100-kilometer", "mile/gallon(US)", 1, "235.21458"},
      {"Fuel Consumption", "mile/gallon(US)", "liter/100-kilometer", 235.2145833, "1"},
      {"Volume", "gallon", "inch³", 1, "231"},
      {"Volume", "gallon (UK)", "liter", 1, "4.54609"},
      {"Volume (Dry)", "bushel", "peck", 1, "4"},
      {"Mass", "grain", "pound", 7000, "1"},
      {"Mass", "ounce(troy)", "gram", 1, "31.103477"},
      {"Angle", "revolution", "degree", 1, "360"},
      {"Angle", "radian", "degree", 1, "57.29578"},
      {"Area", "mile²", "acre", 1, "640"},
      {"Area", "hectare", "meter²", 1, "10000"},
      {"Energy", "British thermal unit (IT)", "calorie (IT)", 1, "251.99576"},
      {"Energy", "kilowatt hour", "joule", 1, "3600000"},
      {"Energy", "electronvolt", "joule", 1, "1.6021766e-019"},
      {"Power", "horsepower", "watt", 1, "745.69987"},
      {"Pressure", "torr", "pascal", 760, "101325"},
      {"Pressure", "psi", "pascal", 1, "6894.7573"},
      {"Force", "pound-force", "newton", 1, "4.4482216"},
      {"Time", "year (Julian)", "day", 1, "365.25"},
      {"Velocity", "knot", "kilometer/hour", 1, "1.852"},
      {"Velocity", "c", "meter/second", 1, "2.9979246e+008"},
  };
  for (const ConversionCase& c : cases) {
    ASSERT_TRUE(catalogue_.SelectCategory(c.category));
    ASSERT_TRUE(catalogue_.CurrentCategory()->SelectInputUnit(c.from));
    ASSERT_TRUE(catalogue_.CurrentCategory()->SelectOutputUnit(c.to));
    EXPECT_EQ(catalogue_.Convert(c.value), c.expected) << c.from << " to " << c.to;
  }
}

}  // namespace
}  // namespace vantrel
