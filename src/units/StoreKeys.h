// The settings-file sections that belong to the unit store: each category's
// visibility and the custom categories and units.
#pragma once

#include <string_view>

namespace vantrel::keys {

inline constexpr std::string_view kVisibility = "Visibility";
inline constexpr std::string_view kCustomCategories = "CustomCategories";
inline constexpr std::string_view kCustomUnits = "CustomUnits";

}  // namespace vantrel::keys
