// Numeric ids of the program's dialogs, controls and resources.
#pragma once

namespace vantrel::ids {

// Dialog templates.
inline constexpr int kMainDialog = 102;

// Main dialog controls.
inline constexpr int kCategoryList = 1000;
inline constexpr int kCategoryFrame = 1001;
inline constexpr int kUnitsFrame = 1002;
inline constexpr int kOutputUnitList = 1003;
inline constexpr int kInputUnitList = 1004;
inline constexpr int kInputHeading = 1005;
inline constexpr int kOutputHeading = 1006;
inline constexpr int kResultFrame = 1007;
inline constexpr int kLogo = 1008;
inline constexpr int kInvertIcon = 1009;
inline constexpr int kInputBox = 1010;
inline constexpr int kOutputBox = 1011;
inline constexpr int kInputUnitLabel = 1012;
inline constexpr int kOutputUnitLabel = 1013;

// Pictures, icon and cursor.
inline constexpr int kAppIcon = 128;
inline constexpr int kBannerGif = 130;
inline constexpr int kInvertGif = 131;
inline constexpr int kHandCursor = 139;

// Menu bitmaps.
inline constexpr int kFirstMenuBitmap = 161;
inline constexpr int kLastPlainMenuBitmap = 170;
inline constexpr int kCoordinatesBitmap = 173;
inline constexpr int kCategoriesBitmap = 174;

// The find dialog (template 138) and its controls.
inline constexpr int kSearchDialog = 138;
inline constexpr int kSearchText = 1013;
inline constexpr int kMatchList = 1014;

}  // namespace vantrel::ids
