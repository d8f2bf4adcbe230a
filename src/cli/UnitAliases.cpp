#include "cli/UnitAliases.h"

namespace vantrel::cli {
namespace {

constexpr UnitAlias kAliases[] = {
    {"feet", "foot", ""},
    {"mph", "mile/hour", ""},
    {"kph", "kilometer/hour", ""},
    {"kmh", "kilometer/hour", ""},
    {"kmph", "kilometer/hour", ""},
    {"km/hr", "kilometer/hour", ""},
    {"mi/hr", "mile/hour", ""},
    {"mpg", "mile/gallon(US)", ""},
    {"rpm", "revolution/minute", ""},
    {"lbs", "pound", "Mass"},
    {"kilos", "kilogram", "Mass"},
    {"hr", "hour", ""},
    {"sec", "second", ""},
    {"yr", "year", ""},
    {"deg", "degree", ""},
    {"arcmin", "minute", "Angle"},
    {"arcsec", "second", "Angle"},
    {"degC", "degree Celsius", ""},
    {"degF", "degree Fahrenheit", ""},
    {"degR", "degree Rankine", ""},
    {"degK", "Kelvin", ""},
    {"tempC", "degree Celsius", ""},
    {"tempF", "degree Fahrenheit", ""},
    {"tempR", "degree Rankine", ""},
    {"tempK", "Kelvin", ""},
    {"celsius", "degree Celsius", ""},
    {"fahrenheit", "degree Fahrenheit", ""},
    {"rankine", "degree Rankine", ""},
    {"kelvin", "Kelvin", ""},
    {"metre", "meter", ""},
    {"kilometre", "kilometer", ""},
    {"centimetre", "centimeter", ""},
    {"millimetre", "millimeter", ""},
    {"litre", "liter", ""},
    {"millilitre", "milliliter", ""},
    {"l", "liter", ""},
    {"ml", "milliliter", ""},
    {"cc", "centimeter³", ""},
    {"cm3", "centimeter³", ""},
    {"m3", "meter³", ""},
    {"ft3", "feet³", ""},
    {"tbsp", "tablespoon", ""},
    {"tsp", "teaspoon", ""},
    {"sqft", "foot²", ""},
    {"sq ft", "foot²", ""},
    {"ft2", "foot²", ""},
    {"sqm", "meter²", ""},
    {"sq m", "meter²", ""},
    {"m2", "meter²", ""},
    {"km2", "kilometer²", ""},
    {"sq mi", "mile²", ""},
    {"mi2", "mile²", ""},
    {"nmi", "nautical mile", ""},
    {"nauticalmile", "nautical mile", ""},
    {"usgallon", "gallon", "Volume"},
    {"brgallon", "gallon (UK)", "Volume"},
    {"floz", "ounce", "Volume"},
    {"tonne", "ton(metric)", ""},
    {"btu", "British thermal unit (IT)", ""},
    {"Btu", "British thermal unit (IT)", ""},
    {"kcal", "kilocalorie (IT)", ""},
    {"kWh", "kilowatt hour", ""},
    {"Wh", "watt hour", ""},
    {"KiB", "kilobyte", "Data"},
    {"MiB", "megabyte", "Data"},
    {"GiB", "gigabyte", "Data"},
    {"TiB", "terabyte", "Data"},
    // The mean calorie's symbol as earlier versions listed it, cut short.
    {"cal (mean", "calorie (mean)", "Energy"},
};

// Plural endings and what they replace, the shortest change first.
struct Ending {
  std::string_view plural;
  std::string_view singular;
};
constexpr Ending kEndings[] = {{"s", ""}, {"es", ""}, {"ies", "y"}};

void AddWithAlias(std::vector<Spelling>& spellings, std::string_view text) {
  for (const UnitAlias& alias : kAliases)
    if (alias.spelling == text) spellings.push_back({std::string(alias.name), alias.category});
}

}  // namespace

std::span<const UnitAlias> UnitAliases() { return kAliases; }

std::vector<Spelling> OtherSpellings(std::string_view text) {
  std::vector<Spelling> spellings;
  AddWithAlias(spellings, text);
  for (const Ending& ending : kEndings) {
    if (text.size() <= ending.plural.size() || !text.ends_with(ending.plural)) continue;
    std::string singular(text.substr(0, text.size() - ending.plural.size()));
    singular += ending.singular;
    spellings.push_back({singular, ""});
    AddWithAlias(spellings, singular);
  }
  return spellings;
}

}  // namespace vantrel::cli
