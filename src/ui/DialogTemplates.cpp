#include "ui/DialogTemplates.h"

#include "ui/ResourceIds.h"
#include "ui/kit/StandardIds.h"

namespace vantrel {

DialogTemplate MainDialogTemplate() {
  using K = ControlKind;
  constexpr std::uint32_t kUnitList = kSorted | kNotify | kVScroll | kBorder | kTabStop;
  return DialogTemplate{
      ids::kMainDialog,
      L"Vantrel Unit Converter",
      299,
      207,
      L"Verdana",
      8,
      kSysMenu | kMinimizeBox | kAppWindow,
      {
          // id, kind, text, x, y, cx, cy, style[, name]
          {ids::kCategoryList, K::kDropDownList, L"", 12, 18, 122, 176,
           kSorted | kVScroll | kTabStop},
          {ids::kInputUnitList, K::kListBox, L"", 12, 58, 122, 75, kUnitList},
          {ids::kOutputUnitList, K::kListBox, L"", 165, 58, 122, 75, kUnitList},
          {ids::kInvertIcon, K::kOwnerDrawStatic, L"", 142, 86, 17, 16, kNotify, L"Invert Units"},
          {ids::kInputBox, K::kEdit, L"", 12, 158, 122, 14, kAutoHScroll | kBorder | kTabStop,
           L"Input"},
          {ids::kOutputBox, K::kEdit, L"", 165, 158, 122, 14,
           kReadOnly | kAutoHScroll | kBorder | kTabStop, L"Output"},
          {ids::kCategoryFrame, K::kGroupBox, L"Select Category ", 7, 7, 131, 31, kNoStyle},
          {ids::kUnitsFrame, K::kGroupBox, L"Select Units ", 7, 40, 287, 100, kNoStyle},
          {ids::kInputHeading, K::kText, L"INPUT", 59, 49, 21, 8, kNoStyle},
          {ids::kOutputHeading, K::kText, L"OUTPUT", 214, 49, 28, 8, kNoStyle},
          {ids::kResultFrame, K::kGroupBox, L"Result", 7, 144, 287, 49, kNoStyle},
          {ids::kLogo, K::kOwnerDrawStatic, L"", 150, 8, 22, 15, kNotify, L"Vantrel home page"},
          {ids::kInputUnitLabel, K::kText, L"", 12, 175, 122, 17, kNoStyle},
          {ids::kOutputUnitLabel, K::kText, L"", 165, 175, 122, 17, kNoStyle},
      }};
}

DialogTemplate AboutDialogTemplate() {
  using K = ControlKind;
  return DialogTemplate{
      ids::kAboutDialog,
      L"About Vantrel Converter",
      268,
      182,
      L"MS Shell Dlg",
      8,
      kSysMenu,
      {
          // id, kind, text, x, y, cx, cy, style[, name]
          {kIdStatic, K::kIcon, L"128", 23, 20, 20, 20, kNoStyle},
          {kIdStatic, K::kText, L"By the Vantrel developers", 58, 13, 114, 8, kNoStyle},
          {kIdStatic, K::kText, L"Vantrel Unit Converter Version 5.4", 58, 26, 128, 8, kNoStyle},
          {ids::kNoticeLine, K::kText, L"Copyright \u00A9 2026", 58, 39, 85, 8, kNoStyle},
          {ids::kBannerPicture, K::kOwnerDrawStatic, L"", 19, 56, 232, 49, kNotify | kTabStop,
           L"Vantrel home page"},
          {ids::kTermsText, K::kEdit, L"", 6, 109, 246, 43, kMultiLine | kReadOnly | kTabStop,
           L"Terms of use"},
          {kIdStatic, K::kText, L"For more information and complete terms of use visit :", 7, 155,
           190, 8, kNoStyle},
          {ids::kProductLink, K::kText, L"", 7, 165, 187, 8, kNotify | kTabStop},
          {kIdOk, K::kDefPushButton, L"OK", 211, 159, 50, 14, kTabStop},
      }};
}

DialogTemplate HelpDialogTemplate() {
  using K = ControlKind;
  return DialogTemplate{ids::kHelpDialog,
                        L"Help",
                        325,
                        174,
                        L"MS Shell Dlg",
                        8,
                        kSysMenu,
                        {
                            // id, kind, text, x, y, cx, cy, style[, name]
                            {ids::kHelpText, K::kRichEdit, L"", 7, 7, 311, 141,
                             kMultiLine | kReadOnly | kVScroll | kBorder | kTabStop, L"Help"},
                            {ids::kManualButton, K::kPushButton, L"Online Manual (pdf)", 184, 153,
                             74, 14, kNotify | kTabStop},
                            {kIdOk, K::kDefPushButton, L"OK", 268, 153, 50, 14, kTabStop},
                        }};
}

DialogTemplate CustomUnitsTemplate() {
  using K = ControlKind;
  constexpr std::uint32_t kList = kSorted | kVScroll | kTabStop;
  constexpr std::uint32_t kLine = kAutoHScroll | kBorder | kTabStop;
  // No default button: Enter closes the dialog without adding.
  return DialogTemplate{
      ids::kCustomUnitsDialog,
      L"Add / Remove Units",
      267,
      180,
      L"MS Shell Dlg",
      8,
      kSysMenu,
      {
          // id, kind, text, x, y, cx, cy, style[, name]
          {kIdStatic, K::kGroupBox, L"Select Category ", 7, 3, 253, 35, kNoStyle},
          {ids::kUnitCategoryList, K::kDropDownList, L"", 14, 17, 239, 162, kList},
          {kIdStatic, K::kGroupBox, L"Add Unit ", 7, 42, 253, 81, kNoStyle},
          {kIdStatic, K::kText, L"Target Name [Output]", 15, 57, 72, 8, kNoStyle},
          {ids::kUnitNameEdit, K::kEdit, L"", 94, 55, 155, 12, kLine},
          {kIdStatic, K::kText, L"Source Name [Input]", 15, 73, 68, 8, kNoStyle},
          {ids::kSourceUnitList, K::kDropDownList, L"", 94, 71, 156, 104, kList},
          {kIdStatic, K::kText, L"Coefficient ", 15, 89, 40, 13, kCenter},
          {ids::kCoefficientEdit, K::kEdit, L"", 93, 89, 58, 12, kLine},
          {ids::kInvertCheck, K::kCheckBox, L"Invert", 218, 86, 31, 10, kNotify | kTabStop},
          {ids::kAddUnitButton, K::kPushButton, L"Add", 165, 104, 41, 14, kTabStop},
          {ids::kRemoveUnitButton, K::kPushButton, L"Remove", 209, 104, 41, 14, kTabStop},
          {kIdStatic, K::kGroupBox, L"Preview ", 7, 124, 253, 48, kNoStyle},
          {ids::kPreviewEdit, K::kEdit, L"", 15, 136, 236, 30,
           kMultiLine | kReadOnly | kCenter | kTabStop},
      }};
}

DialogTemplate CustomCategoriesTemplate() {
  using K = ControlKind;
  return DialogTemplate{
      ids::kCustomCategoriesDialog,
      L"Add / Remove Categories",
      226,
      86,
      L"MS Shell Dlg",
      8,
      kSysMenu,
      {
          // id, kind, text, x, y, cx, cy, style[, name]
          {kIdStatic, K::kGroupBox, L"Add Categories ", 7, 7, 212, 35, kNoStyle},
          {ids::kCategoryNameEdit, K::kEdit, L"", 18, 20, 141, 14,
           kAutoHScroll | kBorder | kTabStop},
          {ids::kAddCategoryButton, K::kDefPushButton, L"Add", 170, 20, 41, 14, kTabStop},
          {kIdStatic, K::kGroupBox, L"Remove Categories ", 7, 44, 212, 35, kNoStyle},
          {ids::kRemovableCategoryList, K::kDropDownList, L"", 18, 58, 141, 30,
           kSorted | kVScroll | kTabStop},
          {ids::kRemoveCategoryButton, K::kPushButton, L"Remove", 170, 58, 41, 14, kTabStop},
      }};
}

DialogTemplate GeneralPageTemplate() {
  using K = ControlKind;
  return DialogTemplate{
      ids::kGeneralPage,
      L"General",
      249,
      162,
      L"MS Shell Dlg",
      8,
      kChild,
      {
          {kIdStatic, K::kGroupBox, L"General Options  ", 7, 4, 235, 151, kNoStyle},
          {ids::kOnTopCheck, K::kCheckBox, L"Always on top", 19, 23, 96, 10, kTabStop},
          {ids::kRememberLastCheck, K::kCheckBox,
           L"Remember last used category and units on startup", 19, 40, 191, 10,
           kNotify | kTabStop},
          {ids::kShowAbbreviationCheck, K::kCheckBox, L"Show abbreviations when available", 19, 57,
           144, 10, kNotify | kTabStop},
          {ids::kCustomFontCheck, K::kCheckBox, L"Use custom font (requires program restart)", 19,
           74, 170, 10, kNotify | kTabStop},
          {ids::kFontFaceList, K::kDropDownList, L"", 32, 89, 111, 68,
           kSorted | kVScroll | kTabStop, L"Font"},
          {ids::kFontSizeList, K::kDropDownList, L"", 145, 89, 25, 65, kVScroll | kTabStop,
           L"Size"},
      }};
}

DialogTemplate ResultFormatPageTemplate() {
  using K = ControlKind;
  constexpr std::uint32_t kMode = kNotify;
  return DialogTemplate{
      ids::kResultFormatPage,
      L"Result Format",
      249,
      162,
      L"MS Shell Dlg",
      8,
      kChild,
      {
          {kIdStatic, K::kGroupBox, L"Select the format of the result  ", 7, 7, 235, 148, kNoStyle},
          {ids::kAutoFormatRadio, K::kRadioButton, L"AutoFormat", 19, 25, 64, 10,
           kMode | kGroup | kTabStop},
          {ids::kScientificRadio, K::kRadioButton, L"Scientific", 19, 40, 56, 10, kMode},
          {ids::kFixedRadio, K::kRadioButton, L"Fixed", 19, 55, 43, 10, kMode},
          {kIdStatic, K::kText, L"Set decimal precision", 120, 56, 85, 8, kNoStyle},
          {ids::kPrecisionList, K::kDropDownList, L"", 211, 54, 23, 90,
           kSorted | kVScroll | kTabStop},
          {kIdStatic, K::kGroupBox, L"Preview  ", 21, 78, 211, 67, kNoStyle},
          {ids::kFormatPreview, K::kText, L"Static", 30, 107, 194, 12, kCenter | kVCenter | kGroup},
      }};
}

DialogTemplate VisiblePageTemplate() {
  using K = ControlKind;
  return DialogTemplate{ids::kVisiblePage,
                        L"Visible Categories",
                        249,
                        164,
                        L"MS Shell Dlg",
                        8,
                        kChild,
                        {
                            {ids::kVisibleCategoryList, K::kListView, L"", 7, 7, 235, 137,
                             kSorted | kBorder | kTabStop, L"Visible categories"},
                            {ids::kDisplayAllCheck, K::kCheckBox, L"Display All Categories", 7, 147,
                             105, 10, kNotify | kTabStop},
                        }};
}

DialogTemplate CoordinatesDialogTemplate() {
  using K = ControlKind;
  constexpr std::uint32_t kBox = kBorder | kTabStop;
  return DialogTemplate{
      ids::kCoordinatesDialog,
      L"Coordinate Conversion",
      253,
      166,
      L"MS Shell Dlg",
      8,
      kSysMenu,
      {
          // id, kind, text, x, y, cx, cy, style[, name]
          {ids::kEllipsoidList, K::kDropDownList, L"", 13, 19, 226, 141, kVScroll | kTabStop},
          {ids::kDecimalLatitude, K::kEdit, L"", 56, 62, 60, 14, kAutoHScroll | kBox},
          {ids::kLatitudeDegrees, K::kEdit, L"", 139, 62, 30, 14, kBox, L"Latitude degrees"},
          {ids::kLatitudeMinutes, K::kEdit, L"", 174, 62, 30, 14, kBox, L"Latitude minutes"},
          {ids::kLatitudeSeconds, K::kEdit, L"", 209, 62, 30, 14, kBox, L"Latitude seconds"},
          {ids::kDecimalLongitude, K::kEdit, L"", 56, 81, 60, 14, kBox},
          {ids::kLongitudeDegrees, K::kEdit, L"", 139, 81, 30, 14, kBox, L"Longitude degrees"},
          {ids::kLongitudeMinutes, K::kEdit, L"", 173, 81, 30, 14, kBox, L"Longitude minutes"},
          {ids::kLongitudeSeconds, K::kEdit, L"", 209, 81, 30, 14, kBox, L"Longitude seconds"},
          {ids::kNorthing, K::kEdit, L"", 56, 117, 60, 14, kBox},
          {ids::kEasting, K::kEdit, L"", 56, 138, 60, 14, kBox},
          {ids::kZone, K::kEdit, L"", 193, 115, 44, 14, kBox},
          {ids::kNorthern, K::kRadioButton, L"Northern", 195, 135, 45, 10, kGroup | kTabStop},
          {ids::kSouthern, K::kRadioButton, L"Southern", 195, 146, 45, 10, kNoStyle},
          {kIdStatic, K::kGroupBox, L"Select Ellipsoid ", 7, 3, 238, 36, kGroup},
          {kIdStatic, K::kGroupBox, L"Decimal Lat / Long  ", 7, 47, 118, 53, kNoStyle},
          {kIdStatic, K::kText, L"Latitude ", 14, 64, 35, 8, kNoStyle},
          {kIdStatic, K::kText, L"Longitude", 13, 84, 36, 8, kNoStyle},
          {kIdStatic, K::kGroupBox, L"  Degrees     Minutes     Seconds", 131, 47, 115, 53,
           kNoStyle},
          {kIdStatic, K::kGroupBox, L"UTM ", 7, 103, 239, 56, kNoStyle},
          {kIdStatic, K::kText, L"Northing ", 12, 120, 38, 8, kNoStyle},
          {kIdStatic, K::kText, L"Easting", 12, 140, 38, 8, kNoStyle},
          {kIdStatic, K::kText, L"Zone Number", 138, 118, 51, 8, kNoStyle},
          {kIdStatic, K::kText, L"Hemisphere", 138, 136, 43, 8, kNoStyle},
      }};
}

DialogTemplate SearchUnitsTemplate() {
  using K = ControlKind;
  return DialogTemplate{
      ids::kSearchDialog,
      L"Find",
      249,
      170,
      L"MS Shell Dlg",
      8,
      kSysMenu,
      {
          // id, kind, text, x, y, cx, cy, style[, name]
          {kIdStatic, K::kGroupBox, L"", 7, 3, 235, 142, kNoStyle},
          {kIdStatic, K::kText, L"Type All or Part of a Unit or Category Name:", 18, 14, 143, 8,
           kNoStyle},
          {ids::kSearchText, K::kEdit, L"", 18, 26, 214, 14, kBorder | kAutoHScroll | kTabStop},
          {kIdStatic, K::kText, L"Possible Matches:", 18, 50, 58, 8, kNoStyle},
          {ids::kMatchList, K::kListBox, L"", 18, 60, 214, 78,
           kSorted | kNotify | kVScroll | kBorder | kTabStop},
          {kIdOk, K::kDefPushButton, L"GO", 125, 149, 50, 14, kTabStop},
          {kIdCancel, K::kPushButton, L"Cancel", 180, 149, 50, 14, kTabStop},
      }};
}

void AddProgramTemplates(DialogTemplateRegistry& registry) {
  registry.Add(MainDialogTemplate());
  registry.Add(AboutDialogTemplate());
  registry.Add(HelpDialogTemplate());
  registry.Add(CustomUnitsTemplate());
  registry.Add(CustomCategoriesTemplate());
  registry.Add(GeneralPageTemplate());
  registry.Add(ResultFormatPageTemplate());
  registry.Add(VisiblePageTemplate());
  registry.Add(CoordinatesDialogTemplate());
  registry.Add(SearchUnitsTemplate());
}

}  // namespace vantrel
