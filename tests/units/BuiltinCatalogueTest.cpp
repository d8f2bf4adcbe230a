// The catalogue as the builder leaves it.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "units/BuiltinCatalogue.h"
#include "units/UnitCatalogue.h"

namespace vantrel {
namespace {

struct CategoryRow {
  const wchar_t* name;
  int visible;
  std::size_t units;
  std::set<std::wstring> baseUnits;
};

const CategoryRow kCategories[] = {
    {L"Acceleration", 1, 10, {L"centimeter/second²", L"galileo"}},
    {L"Amount of Substance", 0, 4, {L"mole"}},
    {L"Angle", 1, 16, {L"circle", L"revolution", L"turn"}},
    {L"Angle (Solid)", 0, 7, {L"square degree"}},
    {L"Angular Velocity", 0, 12, {L"radian/day"}},
    {L"Area", 1, 18, {L"acre"}},
    {L"Capacitance", 0, 7, {L"abfarad", L"EMU of capacitance"}},
    {L"Charge", 1, 8, {L"abcoulomb"}},
    {L"Concentration (Liquid)", 0, 11, {L"grain/gallon (UK)"}},
    {L"Concentration (Molar)", 0, 12, {L"kilomole/centimeter³", L"mole/millimeter³"}},
    {L"Conductance", 1, 10, {L"abmho"}},
    {L"Current", 1, 8, {L"abampere", L"EMU of current"}},
    {L"Data", 1, 31, {L"bit"}},
    {L"Data Transfer", 1, 169, {L"bit/second"}},
    {L"Density", 1, 15, {L"gram/centimeter³", L"kilogram/liter"}},
    {L"Distance", 1, 100, {L"centimeter"}},
    {L"Energy", 1, 27, {L"joule", L"watt second"}},
    {L"Enthalpy (Mass)", 0, 5, {L"kilojoule/kilogram"}},
    {L"Enthalpy (Molar)", 0, 7, {L"joule/mole"}},
    {L"Enthalpy (Volume)", 0, 5, {L"megajoule/meter³"}},
    {L"Flow", 0, 36, {L"centimeter³/hour", L"milliliter/hour"}},
    {L"Force", 1, 13, {L"dyne"}},
    {L"Fuel Consumption", 1, 18, {L"kilometer/liter"}},
    {L"Heat Flux", 0, 25, {L"watt/meter²", L"joule/second·meter²"}},
    {L"Heat Generation (Vol.)", 0, 11, {L"joule/second·meter³", L"watt/meter³"}},
    {L"Illumination", 0, 9, {L"centimeter·candle", L"lumen/centimeter²", L"phot"}},
    {L"Inductance", 0, 21, {L"abhenry", L"EMU of inductance", L"nanohenry"}},
    {L"Magnetic Flux", 0, 14, {L"weber", L"volt·second", L"tesla·meter²"}},
    {L"Mass", 1, 15, {L"gram"}},
    {L"Numbers", 1, 35, {}},
    {L"Power", 1, 70, {L"Btu/hour (int.)"}},
    {L"Pressure", 1, 22, {L"atmosphere"}},
    {L"Radiation", 0, 19, {L"attogray/second"}},
    {L"Radiation Exposure", 0, 11, {L"coulomb/kilogram"}},
    {L"SI Prefix", 1, 18, {L"unity"}},
    {L"Surface Tension", 0, 11, {L"dyne/centimeter", L"erg/centimeter²", L"gram/second²"}},
    {L"Temperature", 1, 5, {L"degree Celsius"}},
    {L"Thermal Conductance (building)", 1, 4, {L"U-value (metric)"}},
    {L"Time", 1, 48, {L"second"}},
    {L"Torque", 1, 13, {L"newton meter"}},
    {L"Velocity", 1, 18, {L"centimeter/hour"}},
    {L"Viscosity (Dynamic)", 0, 23, {L"centipoise", L"millipascal·second"}},
    {L"Viscosity (Kinematic)", 0, 28, {L"meter²/second"}},
    {L"Volume", 1, 28, {L"centimeter³", L"milliliter"}},
    {L"Volume (Dry)", 1, 8, {L"barrel (US)"}},
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
    std::set<std::wstring> found;
    for (const auto& [name, unit] : category->Units())
      if (unit.coefficient == 1.0 && unit.offset == 0.0 && !unit.inverted) found.insert(name);
    EXPECT_EQ(found, row.baseUnits) << row.name;
  }
}

TEST_F(BuiltinCatalogueTest, EndsWithVolumeDryCurrentAndNothingSelected) {
  EXPECT_EQ(catalogue_.CurrentCategoryName(), L"Volume (Dry)");
  for (const auto& [name, category] : catalogue_.Categories()) {
    EXPECT_EQ(category.InputUnit(), nullptr);
    EXPECT_EQ(category.OutputUnit(), nullptr);
    for (const auto& [unitName, unit] : category.Units()) EXPECT_EQ(unit.custom, 0);
  }
}

// A category's rows become units when it is first used, whatever the use: a
// unit added to it meets the built-in ones already there.
TEST_F(BuiltinCatalogueTest, RowsBecomeUnitsWhenTheCategoryIsFirstUsed) {
  const CCategory* distance = catalogue_.FindCategory(L"Distance");
  EXPECT_EQ(distance->PendingBuiltinUnits().size(), 100u);
  ASSERT_TRUE(catalogue_.SelectCategory(L"Distance"));
  EXPECT_EQ(catalogue_.AddUnit(L"foot", L" ", 1, 0, 0, 1, 0), result::kAlreadyExists);
  EXPECT_TRUE(distance->PendingBuiltinUnits().empty());
  EXPECT_EQ(catalogue_.AddUnit(L"smoot", L" ", 170.18, 0, 0, 1, 0), result::kDone);
  EXPECT_EQ(distance->Units().size(), 101u);
  EXPECT_EQ(distance->FindUnit(L"foot")->custom, 0);
}

TEST_F(BuiltinCatalogueTest, LookAlikeNamesAreDistinctUnits) {
  const CCategory* transfer = catalogue_.FindCategory(L"Data Transfer");
  ASSERT_NE(transfer, nullptr);
  for (const wchar_t* name : {L"IDE (PlO mode 0) ", L"IDE (PIO mode 0)", L"H12 ", L"H12",
                              L"TO (payload) ", L"T0 (payload)"})
    EXPECT_NE(transfer->FindUnit(name), nullptr) << name;
  EXPECT_NE(catalogue_.FindCategory(L"Power")->FindUnit(L"pferdesta\u0308rke"), nullptr);
  EXPECT_NE(catalogue_.FindCategory(L"Angle")->FindUnit(L"second"), nullptr);
  EXPECT_NE(catalogue_.FindCategory(L"Angle")->FindUnit(L"second")->coefficient,
            catalogue_.FindCategory(L"Time")->FindUnit(L"second")->coefficient);
}

struct ConversionCase {
  const wchar_t* category;
  const wchar_t* from;
  const wchar_t* to;
  double value;
  const wchar_t* expected;
};

// Conversions through the built table, in automatic format (eight digits):
// the documented examples and, per category, identities that hold exactly by
// the units' definitions.
TEST_F(BuiltinCatalogueTest, ConvertsTheDocumentedExamplesAndExactIdentities) {
  const ConversionCase cases[] = {
      {L"Temperature", L"degree Celsius", L"degree Fahrenheit", 100, L"212"},
      {L"Temperature", L"degree Fahrenheit", L"degree Celsius", 212, L"100"},
      {L"Temperature", L"Kelvin", L"degree Celsius", 0, L"-273.15"},
      {L"Temperature", L"degree Celsius", L"Kelvin", 0, L"273.15"},
      {L"Fuel Consumption", L"liter/100-kilometer", L"kilometer/liter", 5, L"20"},
      {L"Fuel Consumption", L"kilometer/liter", L"liter/100-kilometer", 20, L"5"},
      {L"SI Prefix", L"yotta", L"unity", 1, L"1e+024"},
      {L"Distance", L"foot", L"centimeter", 1, L"30.48"},
      {L"Data", L"megabyte", L"bit", 1, L"8388608"},
      {L"Data Transfer", L"kilobit/second (SI)", L"kilobit/second", 1024, L"1000"},
      {L"Distance", L"mile", L"kilometer", 100, L"160.9344"},
      {L"Data", L"megabyte", L"byte", 1, L"1048576"},
      {L"Angle", L"degree", L"radian", 45, L"0.78539816"},
      {L"Mass", L"pound", L"kilogram", 1, L"0.45359237"},
      {L"Distance", L"inch", L"foot", 12, L"1"},
      {L"Distance", L"mile", L"kilometer", 1, L"1.609344"},
      {L"Distance", L"foot (US Survey)", L"meter", 3937, L"1200"},
      {L"Distance", L"light year", L"kilometer", 1, L"9.4607305e+012"},
      {L"Data", L"gigabit", L"megabit", 1, L"1024"},
      {L"Data", L"exabyte", L"byte", 1, L"1.1529215e+018"},
      {L"Data Transfer", L"megabyte/second", L"kilobyte/second", 1, L"1024"},
      {L"Temperature", L"degree Celsius", L"degree Fahrenheit", -40, L"-40"},
      {L"Temperature", L"degree Rankine", L"Kelvin", 9, L"5"},
      {L"Fuel Consumption", L"liter/100-kilometer", L"mile/gallon(US)", 1, L"235.21458"},
      {L"Fuel Consumption", L"mile/gallon(US)", L"liter/100-kilometer", 235.2145833, L"1"},
      {L"Volume", L"gallon", L"inch³", 1, L"231"},
      {L"Volume", L"gallon (UK)", L"liter", 1, L"4.54609"},
      {L"Volume (Dry)", L"bushel", L"peck", 1, L"4"},
      {L"Mass", L"grain", L"pound", 7000, L"1"},
      {L"Mass", L"ounce(troy)", L"gram", 1, L"31.103477"},
      {L"Angle", L"revolution", L"degree", 1, L"360"},
      {L"Angle", L"radian", L"degree", 1, L"57.29578"},
      {L"Area", L"mile²", L"acre", 1, L"640"},
      {L"Area", L"hectare", L"meter²", 1, L"10000"},
      {L"Energy", L"British thermal unit (IT)", L"calorie (IT)", 1, L"251.99576"},
      {L"Energy", L"kilowatt hour", L"joule", 1, L"3600000"},
      {L"Energy", L"electronvolt", L"joule", 1, L"1.6021766e-019"},
      {L"Power", L"horsepower", L"watt", 1, L"745.69987"},
      {L"Pressure", L"torr", L"pascal", 760, L"101325"},
      {L"Pressure", L"psi", L"pascal", 1, L"6894.7573"},
      {L"Force", L"pound-force", L"newton", 1, L"4.4482216"},
      {L"Time", L"year (Julian)", L"day", 1, L"365.25"},
      {L"Velocity", L"knot", L"kilometer/hour", 1, L"1.852"},
      {L"Velocity", L"c", L"meter/second", 1, L"2.9979246e+008"},
  };
  for (const ConversionCase& c : cases) {
    ASSERT_TRUE(catalogue_.SelectCategory(c.category));
    ASSERT_TRUE(catalogue_.CurrentCategory()->SelectInputUnit(c.from));
    ASSERT_TRUE(catalogue_.CurrentCategory()->SelectOutputUnit(c.to));
    EXPECT_EQ(catalogue_.Convert(c.value), c.expected) << c.from << L" to " << c.to;
  }
}

}  // namespace
}  // namespace vantrel
