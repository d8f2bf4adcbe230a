#include "cli/UsualTargets.h"

namespace vantrel::cli {
namespace {

// Metric and imperial both ways; README.md and the manual page list them.
constexpr UsualTargetRow kRows[] = {
    {L"Distance", L"mile", L"kilometer"},
    {L"Distance", L"kilometer", L"mile"},
    {L"Distance", L"foot", L"meter"},
    {L"Distance", L"meter", L"foot"},
    {L"Distance", L"inch", L"centimeter"},
    {L"Distance", L"centimeter", L"inch"},
    {L"Distance", L"millimeter", L"inch"},
    {L"Distance", L"yard", L"meter"},
    {L"Distance", L"nautical mile", L"kilometer"},
    {L"Velocity", L"mile/hour", L"kilometer/hour"},
    {L"Velocity", L"kilometer/hour", L"mile/hour"},
    {L"Velocity", L"knot", L"kilometer/hour"},
    {L"Velocity", L"meter/second", L"kilometer/hour"},
    {L"Mass", L"pound", L"kilogram"},
    {L"Mass", L"kilogram", L"pound"},
    {L"Mass", L"ounce", L"gram"},
    {L"Mass", L"gram", L"ounce"},
    {L"Mass", L"stone", L"kilogram"},
    {L"Temperature", L"degree Fahrenheit", L"degree Celsius"},
    {L"Temperature", L"degree Celsius", L"degree Fahrenheit"},
    {L"Temperature", L"Kelvin", L"degree Celsius"},
    {L"Volume", L"gallon", L"liter"},
    {L"Volume", L"liter", L"gallon"},
    {L"Volume", L"ounce", L"milliliter"},
    {L"Volume", L"milliliter", L"ounce"},
    {L"Volume", L"cup", L"milliliter"},
    {L"Area", L"acre", L"hectare"},
    {L"Area", L"hectare", L"acre"},
    {L"Area", L"foot²", L"meter²"},
    {L"Area", L"meter²", L"foot²"},
    {L"Power", L"horsepower", L"kilowatt"},
    {L"Power", L"kilowatt", L"horsepower"},
    {L"Pressure", L"psi", L"bar"},
    {L"Pressure", L"bar", L"psi"},
    {L"Energy", L"kilocalorie (IT)", L"kilojoule"},
    {L"Energy", L"kilojoule", L"kilocalorie (IT)"},
    {L"Fuel Consumption", L"mile/gallon(US)", L"liter/100-kilometer"},
    {L"Fuel Consumption", L"liter/100-kilometer", L"mile/gallon(US)"},
};

}  // namespace

std::span<const UsualTargetRow> UsualTargets() { return kRows; }

const CUnit* UsualTarget(const CCategory& category, const CUnit& from) {
  for (const UsualTargetRow& row : kRows)
    if (row.category == category.Name() && row.from == from.name) return category.FindUnit(row.to);
  return nullptr;
}

}  // namespace vantrel::cli
