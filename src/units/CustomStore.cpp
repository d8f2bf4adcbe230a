#include "units/CustomStore.h"

#include <cstdint>
#include <map>
#include <vector>

#include "platform/IniDocument.h"
#include "platform/NumberText.h"
#include "platform/TextCase.h"
#include "units/StoreKeys.h"
#include "units/UnitCatalogue.h"

namespace vantrel {
namespace {

constexpr std::wstring_view kUnitMarker = L"=@";
constexpr std::wstring_view kValueMarker = L"?val=";
constexpr std::wstring_view kInvertedMarker = L"?i=";

// The file is UTF-8: a surrogate or a value past U+10FFFF would be written as
// U+FFFD and come back as another name. A tab would split the name across
// the columns of vantrel-convert's lists and batches.
bool HasRefusedCharacter(std::wstring_view name) {
  for (const wchar_t c : name) {
    const auto u = static_cast<std::uint32_t>(c);
    if (c == L'\t' || u > 0x10FFFF || (u >= 0xD800 && u <= 0xDFFF)) return true;
  }
  return false;
}

}  // namespace

std::wstring FormatCustomUnitValue(std::wstring_view category, double coefficient, int inverted) {
  std::wstring value = L"@";
  value += category;
  value += FormatWide("?val=%1.8g?i=%d", coefficient, inverted);
  return value;
}

bool ParseCustomUnitEntry(std::wstring_view entry, CustomUnitEntry& parsed) {
  const auto unitEnd = entry.find(kUnitMarker);
  if (unitEnd == std::wstring_view::npos || unitEnd == 0) return false;
  const std::wstring_view afterAt = entry.substr(unitEnd + kUnitMarker.size());
  const auto categoryEnd = afterAt.find(kValueMarker);
  if (categoryEnd == std::wstring_view::npos) return false;
  const std::wstring_view afterValue = afterAt.substr(categoryEnd + kValueMarker.size());
  const auto valueEnd = afterValue.find(kInvertedMarker);
  if (valueEnd == std::wstring_view::npos) return false;
  const std::wstring_view flag = afterValue.substr(valueEnd + kInvertedMarker.size());

  parsed.unit = entry.substr(0, unitEnd);
  parsed.category = afterAt.substr(0, categoryEnd);
  parsed.coefficient = ParseDecimalPrefix(afterValue.substr(0, valueEnd));
  parsed.inverted = !flag.empty() && flag.front() == L'1' ? 1 : 0;
  return true;
}

bool IsStorableUnitName(std::wstring_view name) {
  return !name.empty() && IsWritableKeyName(name) && !HasRefusedCharacter(name);
}

bool IsStorableCategoryName(std::wstring_view name) {
  return IsWritableKeyName(name) && !HasRefusedCharacter(name) &&
         name.find(kValueMarker) == std::wstring_view::npos;
}

void LoadCustomDefinitions(CUnitCatalogue& catalogue, const Profile& profile) {
  for (const IniEntry& entry : profile.GetSection(keys::kCustomCategories)) {
    // The entry's text without its equals signs: the name when the value is
    // empty, as the file has always been read.
    std::wstring name = entry.key;
    for (wchar_t c : entry.value)
      if (c != L'=') name += c;
    catalogue.AddCategory(name, 0, 1, 1);
  }
  for (const IniEntry& entry : profile.GetSection(keys::kCustomUnits))
    catalogue.LoadCustomUnitEntry(entry.key + L"=" + entry.value);
}

void ApplyStoredVisibility(CUnitCatalogue& catalogue, const Profile& stored) {
  // The section is read once, as the file reads a key: its first entry of
  // that name but for case. A look-up per category would cost categories
  // times lines, minutes for a file with many custom categories.
  std::map<std::wstring, std::wstring, std::less<>> flags;
  for (IniEntry& entry : stored.GetSection(keys::kVisibility))
    flags.try_emplace(FoldCase(entry.key), std::move(entry.value));
  // Writing back the text the file already holds changes nothing, so only
  // the other flags are written, together.
  std::vector<CategoryVisibility> changed;
  catalogue.SetCategoryRestart(true);
  while (const CCategory* category = catalogue.NextCategory()) {
    const std::wstring& name = category->Name();
    const auto flag = flags.find(FoldCase(name));
    const bool absent = flag == flags.end();
    const int visible = absent ? category->Visible() : ParseLeadingInt(flag->second);
    if (!absent && flag->second == std::to_wstring(visible)) {
      catalogue.FindCategory(name)->SetVisible(visible);
    } else {
      changed.push_back({name, visible});
    }
  }
  catalogue.SetCategoryVisibilities(changed);
}

}  // namespace vantrel
