// The settings-file sections that belong to the unit store: each category's
// visibility and the custom categories and units.
#pragma once

#include <string_view>

namespace vantrel::keys {

inline constexpr std::wstring_view kVisibility = L"Visibility";
inline constexpr std::wstring_view kCustomCategories = L"CustomCategories";
inline constexpr std::wstring_view kCustomUnits = L"CustomUnits";

}  // namespace vantrel::keys
