#include "cli/UsualTargets.h"

namespace vantrel::cli {
namespace {

// Metric and imperial both ways; README.md and the manual page list them.
constexpr UsualTargetRow kRows[] = {
    {"Distance", "mile", "kilometer"},
    {"Distance", "kilometer", "mile"},
    {"Distance", "foot", "meter"},
    {"Distance", "meter", "foot"},
    {"Distance", "inch", "centimeter"},
    {"Distance", "centimeter", "inch"},
    {"Distance", "millimeter", "inch"},
    {"Distance", "yard", "meter"},
    {"Distance", "nautical mile", "kilometer"},
    {"Velocity", "mile/hour", "kilometer/hour"},
    {"Velocity", "kilometer/hour", "mile/hour"},
    {"Velocity", "knot", "kilometer/hour"},
    {"Velocity", "meter/second", "kilometer/hour"},
    {"Mass", "pound", "kilogram"},
    {"Mass", "kilogram", "pound"},
    {"Mass", "ounce", "gram"},
    {"Mass", "gram", "ounce"},
    {"Mass", "stone", "kilogram"},
    {"Temperature", "degree Fahrenheit", "degree Celsius"},
    {"Temperature", "degree Celsius", "degree Fahrenheit"},
    {"Temperature", "Kelvin", "degree Celsius"},
    {"Volume", "gallon", "liter"},
    {"Volume", "liter", "gallon"},
    {"Volume", "ounce", "milliliter"},
    {"Volume", "milliliter", "ounce"},
    {"Volume", "cup", "milliliter"},
    {"Area", "acre", "hectare"},
    {"Area", "hectare", "acre"},
    {"Area", "foot²", "meter²"},
    {"Area", "meter²", "foot²"},
    {"Power", "horsepower", "kilowatt"},
    {"Power", "kilowatt", "horsepower"},
    {"Pressure", "psi", "bar"},
    {"Pressure", "bar", "psi"},
    {"Energy", "kilocalorie (IT)", "kilojoule"},
    {"Energy", "kilojoule", "kilocalorie (IT)"},
    {"Fuel Consumption", "mile/gallon(US)", "liter/100-kilometer"},
    {"Fuel Consumption", "liter/100-kilometer", "mile/gallon(US)"},
};

}  // namespace

std::span<const UsualTargetRow> UsualTargets() { return kRows; }

const CUnit* UsualTarget(const CCategory& category, const CUnit& from) {
  for (const UsualTargetRow& row : kRows)
    if (row.category == category.Name() && row.from == from.name) return category.FindUnit(row.to);
  return nullptr;
}

}  // namespace vantrel::cli
