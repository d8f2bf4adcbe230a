// The "Settings" section's keys, each declared once with its type, default
// and range. The sections the unit store keeps are declared beside it
// (units/StoreKeys.h).
#pragma once

#include <string_view>

#include "settings/SettingInfo.h"

namespace vantrel {

// How results are written: the values of the "Format" key.
enum class ResultMode : int { kAutomatic = 0, kScientific = 1, kFixed = 2 };

}  // namespace vantrel

namespace vantrel::keys {

inline constexpr std::string_view kSettings = "Settings";

// An unknown format reads as automatic; a precision out of range is held to
// it, so that a fixed-format result cannot grow without bound.
inline constexpr Info<ResultMode> kFormat{
    {kSettings, "Format"},
    ResultMode::kAutomatic,
    {.lowest = ResultMode::kAutomatic, .highest = ResultMode::kFixed}};
inline constexpr Info<int> kPrecision{
    {kSettings, "Precision"}, 5, {.lowest = 0, .highest = 8, .clamps = true}};
inline constexpr Info<int> kShowAbbreviation{{kSettings, "ShowAbbreviation"}, 1};
inline constexpr Info<int> kOnTop{{kSettings, "OnTop"}, 1};
inline constexpr Info<int> kRememberLast{{kSettings, "RememberLast"}, 1};
inline constexpr Info<int> kLastCategory{{kSettings, "LastCategory"}, 0};
inline constexpr Info<int> kLastUnitTo{{kSettings, "LastUnitTo"}, 0};
inline constexpr Info<int> kLastUnitFrom{{kSettings, "LastUnitFrom"}, 0};
inline constexpr Info<int> kCustomFont{{kSettings, "CustomFont"}, 0};
// An empty face or a size out of range keeps the font held before.
inline constexpr Info<std::string_view> kFontName{
    {kSettings, "FontName"}, "Verdana", /*mayBeEmpty=*/false};
inline constexpr Info<int> kFontSize{{kSettings, "FontSize"}, 8, {.lowest = 4, .highest = 72}};

}  // namespace vantrel::keys
