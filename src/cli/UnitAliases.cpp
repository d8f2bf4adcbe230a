#include "cli/UnitAliases.h"

namespace vantrel::cli {
namespace {

constexpr UnitAlias kAliases[] = {
    {L"feet", L"foot", L""},
    {L"mph", L"mile/hour", L""},
    {L"kph", L"kilometer/hour", L""},
    {L"kmh", L"kilometer/hour", L""},
    {L"kmph", L"kilometer/hour", L""},
    {L"km/hr", L"kilometer/hour", L""},
    {L"mi/hr", L"mile/hour", L""},
    {L"mpg", L"mile/gallon(US)", L""},
    {L"rpm", L"revolution/minute", L""},
    {L"lbs", L"pound", L"Mass"},
    {L"kilos", L"kilogram", L"Mass"},
    {L"hr", L"hour", L""},
    {L"sec", L"second", L""},
    {L"yr", L"year", L""},
    {L"deg", L"degree", L""},
    {L"arcmin", L"minute", L"Angle"},
    {L"arcsec", L"second", L"Angle"},
    {L"degC", L"degree Celsius", L""},
    {L"degF", L"degree Fahrenheit", L""},
    {L"degR", L"degree Rankine", L""},
    {L"degK", L"Kelvin", L""},
    {L"tempC", L"degree Celsius", L""},
    {L"tempF", L"degree Fahrenheit", L""},
    {L"tempR", L"degree Rankine", L""},
    {L"tempK", L"Kelvin", L""},
    {L"celsius", L"degree Celsius", L""},
    {L"fahrenheit", L"degree Fahrenheit", L""},
    {L"rankine", L"degree Rankine", L""},
    {L"kelvin", L"Kelvin", L""},
    {L"metre", L"meter", L""},
    {L"kilometre", L"kilometer", L""},
    {L"centimetre", L"centimeter", L""},
    {L"millimetre", L"millimeter", L""},
    {L"litre", L"liter", L""},
    {L"millilitre", L"milliliter", L""},
    {L"l", L"liter", L""},
    {L"ml", L"milliliter", L""},
    {L"cc", L"centimeter³", L""},
    {L"cm3", L"centimeter³", L""},
    {L"m3", L"meter³", L""},
    {L"ft3", L"feet³", L""},
    {L"tbsp", L"tablespoon", L""},
    {L"tsp", L"teaspoon", L""},
    {L"sqft", L"foot²", L""},
    {L"sq ft", L"foot²", L""},
    {L"ft2", L"foot²", L""},
    {L"sqm", L"meter²", L""},
    {L"sq m", L"meter²", L""},
    {L"m2", L"meter²", L""},
    {L"km2", L"kilometer²", L""},
    {L"sq mi", L"mile²", L""},
    {L"mi2", L"mile²", L""},
    {L"nmi", L"nautical mile", L""},
    {L"nauticalmile", L"nautical mile", L""},
    {L"usgallon", L"gallon", L"Volume"},
    {L"brgallon", L"gallon (UK)", L"Volume"},
    {L"floz", L"ounce", L"Volume"},
    {L"tonne", L"ton(metric)", L""},
    {L"btu", L"British thermal unit (IT)", L""},
    {L"Btu", L"British thermal unit (IT)", L""},
    {L"kcal", L"kilocalorie (IT)", L""},
    {L"kWh", L"kilowatt hour", L""},
    {L"Wh", L"watt hour", L""},
    {L"KiB", L"kilobyte", L"Data"},
    {L"MiB", L"megabyte", L"Data"},
    {L"GiB", L"gigabyte", L"Data"},
    {L"TiB", L"terabyte", L"Data"},
};

// Plural endings and what they replace, the shortest change first.
struct Ending {
  std::wstring_view plural;
  std::wstring_view singular;
};
constexpr Ending kEndings[] = {{L"s", L""}, {L"es", L""}, {L"ies", L"y"}};

void AddWithAlias(std::vector<Spelling>& spellings, std::wstring_view text) {
  for (const UnitAlias& alias : kAliases)
    if (alias.spelling == text) spellings.push_back({std::wstring(alias.name), alias.category});
}

}  // namespace

std::span<const UnitAlias> UnitAliases() { return kAliases; }

std::vector<Spelling> OtherSpellings(std::wstring_view text) {
  std::vector<Spelling> spellings;
  AddWithAlias(spellings, text);
  for (const Ending& ending : kEndings) {
    if (text.size() <= ending.plural.size() || !text.ends_with(ending.plural)) continue;
    std::wstring singular(text.substr(0, text.size() - ending.plural.size()));
    singular += ending.singular;
    spellings.push_back({singular, L""});
    AddWithAlias(spellings, singular);
  }
  return spellings;
}

}  // namespace vantrel::cli
