// The "Settings" section's keys, each declared once with its default. The
// sections the unit store keeps are declared beside it (units/StoreKeys.h).
#pragma once

#include <string_view>

namespace vantrel::keys {

inline constexpr std::wstring_view kSettings = L"Settings";

struct IntKey {
  std::wstring_view section;
  std::wstring_view name;
  int defaultValue;
};

struct StringKey {
  std::wstring_view section;
  std::wstring_view name;
  std::wstring_view defaultValue;
};

inline constexpr IntKey kFormat{kSettings, L"Format", 0};
inline constexpr IntKey kPrecision{kSettings, L"Precision", 5};
inline constexpr IntKey kShowAbbreviation{kSettings, L"ShowAbbreviation", 1};
inline constexpr IntKey kOnTop{kSettings, L"OnTop", 1};
inline constexpr IntKey kRememberLast{kSettings, L"RememberLast", 1};
inline constexpr IntKey kLastCategory{kSettings, L"LastCategory", 0};
inline constexpr IntKey kLastUnitTo{kSettings, L"LastUnitTo", 0};
inline constexpr IntKey kLastUnitFrom{kSettings, L"LastUnitFrom", 0};
inline constexpr IntKey kCustomFont{kSettings, L"CustomFont", 0};
inline constexpr StringKey kFontName{kSettings, L"FontName", L"Verdana"};
inline constexpr IntKey kFontSize{kSettings, L"FontSize", 8};

}  // namespace vantrel::keys
