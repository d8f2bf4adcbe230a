#include "units/CustomStore.h"

#include <cmath>
#include <map>
#include <vector>

#include "platform/IniDocument.h"
#include "platform/NumberText.h"
#include "platform/TextCase.h"
#include "platform/TextEncoding.h"
#include "units/ResultCodes.h"
#include "units/StoreKeys.h"
#include "units/UnitCatalogue.h"

namespace vantrel {
namespace {

constexpr std::string_view kUnitMarker = "=@";
constexpr std::string_view kValueMarker = "?val=";
constexpr std::string_view kInvertedMarker = "?i=";

// A tab would split the name across the columns of vantrel-convert's lists
// and batches. (Bytes that are no UTF-8 the file itself cannot take.)
bool HasRefusedCharacter(std::string_view name) {
  return name.find('\t') != std::string_view::npos;
}

// The name a "CustomCategories" entry loads as: its text without its equals
// signs, so the name itself when the value is empty.
std::string CategoryNameOf(const IniEntry& entry) {
  std::string name = entry.key;
  for (const char c : entry.value)
    if (c != '=') name += c;
  return name;
}

}  // namespace

std::string FormatCustomUnitValue(std::string_view category, double coefficient, int inverted) {
  std::string digits;
  for (int precision = 8; precision <= 17; ++precision) {
    digits = FormatText("%1.*g", precision, coefficient);
    if (ParseDecimalPrefix(digits) == coefficient) break;
  }
  std::string value = "@";
  value += category;
  value += FormatText("?val=%s?i=%d", digits.c_str(), inverted);
  return value;
}

bool ParseCustomUnitEntry(std::string_view entry, CustomUnitEntry& parsed) {
  const auto unitEnd = entry.find(kUnitMarker);
  if (unitEnd == std::string_view::npos || unitEnd == 0) return false;
  const std::string_view afterAt = entry.substr(unitEnd + kUnitMarker.size());
  const auto categoryEnd = afterAt.find(kValueMarker);
  if (categoryEnd == std::string_view::npos) return false;
  const std::string_view afterValue = afterAt.substr(categoryEnd + kValueMarker.size());
  const auto valueEnd = afterValue.find(kInvertedMarker);
  if (valueEnd == std::string_view::npos) return false;
  const std::string_view flag = afterValue.substr(valueEnd + kInvertedMarker.size());

  parsed.unit = entry.substr(0, unitEnd);
  parsed.category = afterAt.substr(0, categoryEnd);
  parsed.coefficientText = afterValue.substr(0, valueEnd);
  parsed.coefficient = ParseDecimalPrefix(parsed.coefficientText);
  parsed.inverted = !flag.empty() && flag.front() == '1' ? 1 : 0;
  return true;
}

bool IsUsableCoefficient(double coefficient) {
  return std::isnormal(coefficient) && coefficient > 0;
}

bool IsStorableUnitName(std::string_view name) {
  return !name.empty() && IsWritableKeyName(name) && !HasRefusedCharacter(name);
}

bool IsStorableCategoryName(std::string_view name) {
  return IsWritableKeyName(name) && !HasRefusedCharacter(name) &&
         name.find(kValueMarker) == std::string_view::npos;
}

int CheckStoredUnitName(const IniDocument& file, const CUnitCatalogue& catalogue,
                        std::string_view category, std::string_view name) {
  for (const IniEntry& entry : file.Section(keys::kCustomUnits)) {
    CustomUnitEntry stored;
    if (!EqualsIgnoreCase(entry.key, name) ||
        !ParseCustomUnitEntry(entry.key + "=" + entry.value, stored))
      continue;
    if (stored.category == category && stored.unit == name) return result::kAlreadyExists;
    if (catalogue.FindCategory(stored.category) ||
        file.Find(keys::kCustomCategories, stored.category))
      return result::kNameClash;
  }
  return result::kDone;
}

int CheckStoredCategoryName(const IniDocument& file, std::string_view name) {
  for (const IniEntry& entry : file.Section(keys::kCustomCategories)) {
    const std::string stored = CategoryNameOf(entry);
    if (stored == name) return result::kAlreadyExists;
    if (EqualsIgnoreCase(stored, name)) return result::kNameClash;
  }
  return result::kDone;
}

std::vector<CustomUnitEntry> LoadCustomDefinitions(CUnitCatalogue& catalogue,
                                                   const Profile& profile) {
  for (const IniEntry& entry : profile.GetSection(keys::kCustomCategories))
    catalogue.AddCategory(CategoryNameOf(entry), 0, 1, 1);
  std::vector<CustomUnitEntry> skipped;
  for (const IniEntry& entry : profile.GetSection(keys::kCustomUnits)) {
    const std::string text = entry.key + "=" + entry.value;
    if (catalogue.LoadCustomUnitEntry(text) != result::kUnusableCoefficient) continue;
    ParseCustomUnitEntry(text, skipped.emplace_back());
  }
  return skipped;
}

std::string NameUnusableUnits(const std::vector<CustomUnitEntry>& skipped) {
  constexpr std::size_t kNamed = 5;
  std::string names;
  for (std::size_t i = 0; i < skipped.size() && i < kNamed; ++i) {
    const CustomUnitEntry& unit = skipped[i];
    if (i > 0) names += ", ";
    names += Quoted(unit.unit) + " in " + Quoted(unit.category) + " (coefficient " +
             Quoted(unit.coefficientText) + ")";
  }
  if (skipped.size() > kNamed) names += " and " + std::to_string(skipped.size() - kNamed) + " more";
  return names;
}

void ApplyStoredVisibility(CUnitCatalogue& catalogue, const Profile& stored) {
  // The section is read once, as the file reads a key: its first entry of
  // that name but for case. A look-up per category would cost categories
  // times lines, minutes for a file with many custom categories.
  std::map<std::string, std::string, std::less<>> flags;
  for (IniEntry& entry : stored.GetSection(keys::kVisibility))
    flags.try_emplace(FoldCase(entry.key), std::move(entry.value));
  // Writing back the text the file already holds changes nothing, so only
  // the other flags are written, together.
  std::vector<CategoryVisibility> changed;
  catalogue.SetCategoryRestart(true);
  while (const CCategory* category = catalogue.NextCategory()) {
    const std::string& name = category->Name();
    const auto flag = flags.find(FoldCase(name));
    const bool absent = flag == flags.end();
    const int visible = absent ? category->Visible() : ParseLeadingInt(flag->second);
    if (!absent && flag->second == std::to_string(visible)) {
      catalogue.FindCategory(name)->SetVisible(visible);
    } else {
      changed.push_back({name, visible});
    }
  }
  catalogue.SetCategoryVisibilities(changed);
}

}  // namespace vantrel
