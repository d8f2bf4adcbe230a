// Numeric ids of the program's dialogs, controls and resources.
#pragma once

namespace vantrel::ids {

// Dialog templates.
inline constexpr int kAboutDialog = 100;
inline constexpr int kMainDialog = 102;
inline constexpr int kHelpDialog = 140;

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

// About dialog controls.
inline constexpr int kBannerPicture = 1015;
inline constexpr int kTermsText = 1016;
inline constexpr int kProductLink = 1017;
inline constexpr int kNoticeLine = 1018;

// Help dialog controls.
inline constexpr int kHelpText = 1019;
inline constexpr int kManualButton = 1064;

// Menu commands.
inline constexpr int kCmdExit = 0x800F;
inline constexpr int kCmdPreferences = 0x8015;
inline constexpr int kCmdLaunchCalculator = 0x8016;
inline constexpr int kCmdCopyOutput = 0x8017;
inline constexpr int kCmdFind = 0x8018;
inline constexpr int kCmdInvertUnits = 0x8019;
inline constexpr int kCmdCheckForUpdates = 0x801A;
inline constexpr int kCmdAbout = 0x801B;
inline constexpr int kCmdUnits = 0x801C;
inline constexpr int kCmdCategories = 0x801D;
inline constexpr int kCmdCoordinateConverter = 0x8026;
inline constexpr int kCmdContents = 0x8027;

// Pictures, icon and cursor.
inline constexpr int kAppIcon = 128;
inline constexpr int kBannerGif = 130;
inline constexpr int kInvertGif = 131;
inline constexpr int kHandCursor = 139;

// Menu bitmaps.
inline constexpr int kFirstMenuBitmap = 161;
inline constexpr int kLastPlainMenuBitmap = 170;
inline constexpr int kAboutBitmap = 161;
inline constexpr int kCalculatorBitmap = 162;
inline constexpr int kCopyBitmap = 163;
inline constexpr int kExitBitmap = 164;
inline constexpr int kContentsBitmap = 165;
inline constexpr int kDonateBitmap = 166;
inline constexpr int kInvertBitmap = 167;
inline constexpr int kPreferencesBitmap = 168;
inline constexpr int kUnitsBitmap = 169;
inline constexpr int kFindBitmap = 170;
inline constexpr int kCoordinatesBitmap = 173;
inline constexpr int kCategoriesBitmap = 174;

// Custom units dialog (template 141) and its controls.
inline constexpr int kCustomUnitsDialog = 141;
inline constexpr int kAddUnitButton = 1020;
inline constexpr int kRemoveUnitButton = 1021;
inline constexpr int kUnitNameEdit = 1022;
inline constexpr int kCoefficientEdit = 1023;
inline constexpr int kUnitCategoryList = 1024;
inline constexpr int kSourceUnitList = 1026;
inline constexpr int kInvertCheck = 1030;
inline constexpr int kPreviewEdit = 1042;

// Custom categories dialog (template 142) and its controls.
inline constexpr int kCustomCategoriesDialog = 142;
inline constexpr int kCategoryNameEdit = 1038;
inline constexpr int kAddCategoryButton = 1039;
inline constexpr int kRemovableCategoryList = 1040;
inline constexpr int kRemoveCategoryButton = 1041;

// The Preferences sheet's pages.
inline constexpr int kGeneralPage = 143;
inline constexpr int kVisiblePage = 144;
inline constexpr int kResultFormatPage = 145;

// General page controls.
inline constexpr int kOnTopCheck = 1030;
inline constexpr int kFontFaceList = 1040;
inline constexpr int kRememberLastCheck = 1048;
inline constexpr int kShowAbbreviationCheck = 1049;
inline constexpr int kCustomFontCheck = 1065;
inline constexpr int kFontSizeList = 1066;

// Visible Categories page controls.
inline constexpr int kDisplayAllCheck = 1030;
inline constexpr int kVisibleCategoryList = 1043;

// Result Format page controls.
inline constexpr int kPrecisionList = 1040;
inline constexpr int kAutoFormatRadio = 1044;
inline constexpr int kScientificRadio = 1045;
inline constexpr int kFixedRadio = 1046;
inline constexpr int kFormatPreview = 1047;

// Coordinate conversion dialog (template 171) and its controls.
inline constexpr int kCoordinatesDialog = 171;
inline constexpr int kDecimalLatitude = 1038;
inline constexpr int kEllipsoidList = 1040;
inline constexpr int kDecimalLongitude = 1052;
inline constexpr int kLatitudeDegrees = 1053;
inline constexpr int kLatitudeMinutes = 1054;
inline constexpr int kLatitudeSeconds = 1055;
inline constexpr int kLongitudeDegrees = 1056;
inline constexpr int kLongitudeMinutes = 1057;
inline constexpr int kLongitudeSeconds = 1058;
inline constexpr int kEasting = 1059;
inline constexpr int kNorthing = 1060;
inline constexpr int kZone = 1061;
inline constexpr int kNorthern = 1062;
inline constexpr int kSouthern = 1063;

// The find dialog (template 138) and its controls.
inline constexpr int kSearchDialog = 138;
inline constexpr int kSearchText = 1013;
inline constexpr int kMatchList = 1014;

}  // namespace vantrel::ids
