#include "ui/DialogTemplates.h"

#include <QtGlobal>

#include "ui/ResourceIds.h"
#include "ui/kit/StandardIds.h"

namespace vantrel {

DialogTemplate MainDialogTemplate() {
  using K = ControlKind;
  constexpr std::uint32_t kUnitList = kSorted | kNotify | kVScroll | kBorder | kTabStop;
  return DialogTemplate{
      ids::kMainDialog,
      QT_TRANSLATE_NOOP("vantrel::CConverterDlg", "Vantrel Unit Converter"),
      299,
      207,
      "Verdana",
      8,
      kSysMenu | kMinimizeBox | kAppWindow,
      {
          // id, kind, text, x, y, cx, cy, style[, name]
          {ids::kCategoryList, K::kDropDownList, "", 12, 18, 122, 176,
           kSorted | kVScroll | kTabStop},
          {ids::kInputUnitList, K::kListBox, "", 12, 58, 122, 75, kUnitList},
          {ids::kOutputUnitList, K::kListBox, "", 165, 58, 122, 75, kUnitList},
          {ids::kInvertIcon, K::kOwnerDrawStatic, "", 142, 86, 17, 16, kNotify,
           QT_TRANSLATE_NOOP("vantrel::CConverterDlg", "Invert Units")},
          {ids::kInputBox, K::kEdit, "", 12, 158, 122, 14, kAutoHScroll | kBorder | kTabStop,
           QT_TRANSLATE_NOOP("vantrel::CConverterDlg", "Input")},
          {ids::kOutputBox, K::kEdit, "", 165, 158, 122, 14,
           kReadOnly | kAutoHScroll | kBorder | kTabStop,
           QT_TRANSLATE_NOOP("vantrel::CConverterDlg", "Output")},
          {ids::kCategoryFrame, K::kGroupBox,
           QT_TRANSLATE_NOOP("vantrel::CConverterDlg", "Select Category "), 7, 7, 131, 31,
           kNoStyle},
          {ids::kUnitsFrame, K::kGroupBox,
           QT_TRANSLATE_NOOP("vantrel::CConverterDlg", "Select Units "), 7, 40, 287, 100, kNoStyle},
          {ids::kInputHeading, K::kText, QT_TRANSLATE_NOOP("vantrel::CConverterDlg", "INPUT"), 59,
           49, 21, 8, kNoStyle},
          {ids::kOutputHeading, K::kText, QT_TRANSLATE_NOOP("vantrel::CConverterDlg", "OUTPUT"),
           214, 49, 28, 8, kNoStyle},
          {ids::kResultFrame, K::kGroupBox, QT_TRANSLATE_NOOP("vantrel::CConverterDlg", "Result"),
           7, 144, 287, 49, kNoStyle},
          {ids::kLogo, K::kOwnerDrawStatic, "", 150, 8, 22, 15, kNotify,
           QT_TRANSLATE_NOOP("vantrel::CConverterDlg", "Vantrel home page")},
          {ids::kInputUnitLabel, K::kText, "", 12, 175, 122, 17, kNoStyle},
          {ids::kOutputUnitLabel, K::kText, "", 165, 175, 122, 17, kNoStyle},
      },
      "vantrel::CConverterDlg"};
}

DialogTemplate AboutDialogTemplate() {
  using K = ControlKind;
  return DialogTemplate{
      ids::kAboutDialog,
      QT_TRANSLATE_NOOP("vantrel::CAboutDlg", "About Vantrel Converter"),
      268,
      182,
      "MS Shell Dlg",
      8,
      kSysMenu,
      {
          // id, kind, text, x, y, cx, cy, style[, name]
          {kIdStatic, K::kIcon, "128", 23, 20, 20, 20, kNoStyle},
          {kIdStatic, K::kText,
           QT_TRANSLATE_NOOP("vantrel::CAboutDlg", "By the Vantrel developers"), 58, 13, 114, 8,
           kNoStyle},
          {kIdStatic, K::kText,
           QT_TRANSLATE_NOOP("vantrel::CAboutDlg", "Vantrel Unit Converter Version 5.4"), 58, 26,
           128, 8, kNoStyle},
          {ids::kNoticeLine, K::kText, QT_TRANSLATE_NOOP("vantrel::CAboutDlg", "Copyright © 2026"),
           58, 39, 85, 8, kNoStyle},
          {ids::kBannerPicture, K::kOwnerDrawStatic, "", 19, 56, 232, 49, kNotify | kTabStop,
           QT_TRANSLATE_NOOP("vantrel::CAboutDlg", "Vantrel home page")},
          {ids::kTermsText, K::kEdit, "", 6, 109, 246, 43, kMultiLine | kReadOnly | kTabStop,
           QT_TRANSLATE_NOOP("vantrel::CAboutDlg", "Terms of use")},
          {kIdStatic, K::kText,
           QT_TRANSLATE_NOOP("vantrel::CAboutDlg",
                             "For more information and complete terms of use visit :"),
           7, 155, 190, 8, kNoStyle},
          {ids::kProductLink, K::kText, "", 7, 165, 187, 8, kNotify | kTabStop},
          {kIdOk, K::kDefPushButton, QT_TRANSLATE_NOOP("vantrel::CAboutDlg", "OK"), 211, 159, 50,
           14, kTabStop},
      },
      "vantrel::CAboutDlg"};
}

DialogTemplate HelpDialogTemplate() {
  using K = ControlKind;
  return DialogTemplate{
      ids::kHelpDialog,
      QT_TRANSLATE_NOOP("vantrel::CHelpDialog", "Help"),
      325,
      174,
      "MS Shell Dlg",
      8,
      kSysMenu,
      {
          // id, kind, text, x, y, cx, cy, style[, name]
          {ids::kHelpText, K::kRichEdit, "", 7, 7, 311, 141,
           kMultiLine | kReadOnly | kVScroll | kBorder | kTabStop,
           QT_TRANSLATE_NOOP("vantrel::CHelpDialog", "Help")},
          {ids::kManualButton, K::kPushButton,
           QT_TRANSLATE_NOOP("vantrel::CHelpDialog", "Online Manual (pdf)"), 184, 153, 74, 14,
           kNotify | kTabStop},
          {kIdOk, K::kDefPushButton, QT_TRANSLATE_NOOP("vantrel::CHelpDialog", "OK"), 268, 153, 50,
           14, kTabStop},
      },
      "vantrel::CHelpDialog"};
}

DialogTemplate CustomUnitsTemplate() {
  using K = ControlKind;
  constexpr std::uint32_t kList = kSorted | kVScroll | kTabStop;
  constexpr std::uint32_t kLine = kAutoHScroll | kBorder | kTabStop;
  // No default button: Enter closes the dialog without adding.
  return DialogTemplate{
      ids::kCustomUnitsDialog,
      QT_TRANSLATE_NOOP("vantrel::CCustomUnits", "Add / Remove Units"),
      267,
      180,
      "MS Shell Dlg",
      8,
      kSysMenu,
      {
          // id, kind, text, x, y, cx, cy, style[, name]
          {kIdStatic, K::kGroupBox, QT_TRANSLATE_NOOP("vantrel::CCustomUnits", "Select Category "),
           7, 3, 253, 35, kNoStyle},
          {ids::kUnitCategoryList, K::kDropDownList, "", 14, 17, 239, 162, kList},
          {kIdStatic, K::kGroupBox, QT_TRANSLATE_NOOP("vantrel::CCustomUnits", "Add Unit "), 7, 42,
           253, 81, kNoStyle},
          {kIdStatic, K::kText, QT_TRANSLATE_NOOP("vantrel::CCustomUnits", "Target Name [Output]"),
           15, 57, 72, 8, kNoStyle},
          {ids::kUnitNameEdit, K::kEdit, "", 94, 55, 155, 12, kLine},
          {kIdStatic, K::kText, QT_TRANSLATE_NOOP("vantrel::CCustomUnits", "Source Name [Input]"),
           15, 73, 68, 8, kNoStyle},
          {ids::kSourceUnitList, K::kDropDownList, "", 94, 71, 156, 104, kList},
          {kIdStatic, K::kText, QT_TRANSLATE_NOOP("vantrel::CCustomUnits", "Coefficient "), 15, 89,
           40, 13, kCenter},
          {ids::kCoefficientEdit, K::kEdit, "", 93, 89, 58, 12, kLine},
          {ids::kInvertCheck, K::kCheckBox, QT_TRANSLATE_NOOP("vantrel::CCustomUnits", "Invert"),
           205, 86, 44, 10, kNotify | kTabStop},
          {ids::kAddUnitButton, K::kPushButton, QT_TRANSLATE_NOOP("vantrel::CCustomUnits", "Add"),
           165, 104, 41, 14, kTabStop},
          {ids::kRemoveUnitButton, K::kPushButton,
           QT_TRANSLATE_NOOP("vantrel::CCustomUnits", "Remove"), 209, 104, 41, 14, kTabStop},
          {kIdStatic, K::kGroupBox, QT_TRANSLATE_NOOP("vantrel::CCustomUnits", "Preview "), 7, 124,
           253, 48, kNoStyle},
          {ids::kPreviewEdit, K::kEdit, "", 15, 136, 236, 30,
           kMultiLine | kReadOnly | kCenter | kTabStop},
      },
      "vantrel::CCustomUnits"};
}

DialogTemplate CustomCategoriesTemplate() {
  using K = ControlKind;
  return DialogTemplate{
      ids::kCustomCategoriesDialog,
      QT_TRANSLATE_NOOP("vantrel::CCustomCategories", "Add / Remove Categories"),
      226,
      86,
      "MS Shell Dlg",
      8,
      kSysMenu,
      {
          // id, kind, text, x, y, cx, cy, style[, name]
          {kIdStatic, K::kGroupBox,
           QT_TRANSLATE_NOOP("vantrel::CCustomCategories", "Add Categories "), 7, 7, 212, 35,
           kNoStyle},
          {ids::kCategoryNameEdit, K::kEdit, "", 18, 20, 141, 14,
           kAutoHScroll | kBorder | kTabStop},
          {ids::kAddCategoryButton, K::kDefPushButton,
           QT_TRANSLATE_NOOP("vantrel::CCustomCategories", "Add"), 170, 20, 41, 14, kTabStop},
          {kIdStatic, K::kGroupBox,
           QT_TRANSLATE_NOOP("vantrel::CCustomCategories", "Remove Categories "), 7, 44, 212, 35,
           kNoStyle},
          {ids::kRemovableCategoryList, K::kDropDownList, "", 18, 58, 141, 30,
           kSorted | kVScroll | kTabStop},
          {ids::kRemoveCategoryButton, K::kPushButton,
           QT_TRANSLATE_NOOP("vantrel::CCustomCategories", "Remove"), 170, 58, 41, 14, kTabStop},
      },
      "vantrel::CCustomCategories"};
}

DialogTemplate GeneralPageTemplate() {
  using K = ControlKind;
  return DialogTemplate{
      ids::kGeneralPage,
      QT_TRANSLATE_NOOP("vantrel::CGeneral", "General"),
      249,
      162,
      "MS Shell Dlg",
      8,
      kChild,
      {
          {kIdStatic, K::kGroupBox, QT_TRANSLATE_NOOP("vantrel::CGeneral", "General Options  "), 7,
           4, 235, 151, kNoStyle},
          // Wider than the text in English: "Toujours au premier plan".
          {ids::kOnTopCheck, K::kCheckBox, QT_TRANSLATE_NOOP("vantrel::CGeneral", "Always on top"),
           19, 23, 120, 10, kTabStop},
          {ids::kRememberLastCheck, K::kCheckBox,
           QT_TRANSLATE_NOOP("vantrel::CGeneral",
                             "Remember last used category and units on startup"),
           19, 40, 191, 10, kNotify | kTabStop},
          {ids::kShowAbbreviationCheck, K::kCheckBox,
           QT_TRANSLATE_NOOP("vantrel::CGeneral", "Show abbreviations when available"), 19, 57, 144,
           10, kNotify | kTabStop},
          {ids::kCustomFontCheck, K::kCheckBox,
           QT_TRANSLATE_NOOP("vantrel::CGeneral", "Use custom font (requires program restart)"), 19,
           74, 170, 10, kNotify | kTabStop},
          {ids::kFontFaceList, K::kDropDownList, "", 32, 89, 111, 68, kSorted | kVScroll | kTabStop,
           QT_TRANSLATE_NOOP("vantrel::CGeneral", "Font")},
          {ids::kFontSizeList, K::kDropDownList, "", 145, 89, 25, 65, kVScroll | kTabStop,
           QT_TRANSLATE_NOOP("vantrel::CGeneral", "Size")},
      },
      "vantrel::CGeneral"};
}

DialogTemplate ResultFormatPageTemplate() {
  using K = ControlKind;
  constexpr std::uint32_t kMode = kNotify;
  return DialogTemplate{
      ids::kResultFormatPage,
      QT_TRANSLATE_NOOP("vantrel::CResultFormat", "Result Format"),
      249,
      162,
      "MS Shell Dlg",
      8,
      kChild,
      {
          {kIdStatic, K::kGroupBox,
           QT_TRANSLATE_NOOP("vantrel::CResultFormat", "Select the format of the result  "), 7, 7,
           235, 148, kNoStyle},
          {ids::kAutoFormatRadio, K::kRadioButton,
           QT_TRANSLATE_NOOP("vantrel::CResultFormat", "AutoFormat"), 19, 25, 64, 10,
           kMode | kGroup | kTabStop},
          {ids::kScientificRadio, K::kRadioButton,
           QT_TRANSLATE_NOOP("vantrel::CResultFormat", "Scientific"), 19, 40, 56, 10, kMode},
          // As wide as the others: "Festkomma".
          {ids::kFixedRadio, K::kRadioButton, QT_TRANSLATE_NOOP("vantrel::CResultFormat", "Fixed"),
           19, 55, 64, 10, kMode},
          {kIdStatic, K::kText,
           QT_TRANSLATE_NOOP("vantrel::CResultFormat", "Set decimal precision"), 120, 56, 85, 8,
           kNoStyle},
          {ids::kPrecisionList, K::kDropDownList, "", 211, 54, 23, 90,
           kSorted | kVScroll | kTabStop},
          {kIdStatic, K::kGroupBox, QT_TRANSLATE_NOOP("vantrel::CResultFormat", "Preview  "), 21,
           78, 211, 67, kNoStyle},
          {ids::kFormatPreview, K::kText, "", 30, 107, 194, 12, kCenter | kVCenter | kGroup},
      },
      "vantrel::CResultFormat"};
}

DialogTemplate VisiblePageTemplate() {
  using K = ControlKind;
  return DialogTemplate{ids::kVisiblePage,
                        QT_TRANSLATE_NOOP("vantrel::CVisible", "Visible Categories"),
                        249,
                        164,
                        "MS Shell Dlg",
                        8,
                        kChild,
                        {
                            {ids::kVisibleCategoryList, K::kListView, "", 7, 7, 235, 137,
                             kSorted | kBorder | kTabStop,
                             QT_TRANSLATE_NOOP("vantrel::CVisible", "Visible categories")},
                            {ids::kDisplayAllCheck, K::kCheckBox,
                             QT_TRANSLATE_NOOP("vantrel::CVisible", "Display All Categories"), 7,
                             147, 105, 10, kNotify | kTabStop},
                        },
                        "vantrel::CVisible"};
}

DialogTemplate CoordinatesDialogTemplate() {
  using K = ControlKind;
  constexpr std::uint32_t kBox = kBorder | kTabStop;
  return DialogTemplate{
      ids::kCoordinatesDialog,
      QT_TRANSLATE_NOOP("vantrel::CCoordinates", "Coordinate Conversion"),
      253,
      166,
      "MS Shell Dlg",
      8,
      kSysMenu,
      {
          // id, kind, text, x, y, cx, cy, style[, name]
          {ids::kEllipsoidList, K::kDropDownList, "", 13, 19, 226, 141, kVScroll | kTabStop},
          {ids::kDecimalLatitude, K::kEdit, "", 56, 62, 60, 14, kAutoHScroll | kBox},
          {ids::kLatitudeDegrees, K::kEdit, "", 139, 62, 30, 14, kBox,
           QT_TRANSLATE_NOOP("vantrel::CCoordinates", "Latitude degrees")},
          {ids::kLatitudeMinutes, K::kEdit, "", 174, 62, 30, 14, kBox,
           QT_TRANSLATE_NOOP("vantrel::CCoordinates", "Latitude minutes")},
          {ids::kLatitudeSeconds, K::kEdit, "", 209, 62, 30, 14, kBox,
           QT_TRANSLATE_NOOP("vantrel::CCoordinates", "Latitude seconds")},
          {ids::kDecimalLongitude, K::kEdit, "", 56, 81, 60, 14, kBox},
          {ids::kLongitudeDegrees, K::kEdit, "", 139, 81, 30, 14, kBox,
           QT_TRANSLATE_NOOP("vantrel::CCoordinates", "Longitude degrees")},
          {ids::kLongitudeMinutes, K::kEdit, "", 173, 81, 30, 14, kBox,
           QT_TRANSLATE_NOOP("vantrel::CCoordinates", "Longitude minutes")},
          {ids::kLongitudeSeconds, K::kEdit, "", 209, 81, 30, 14, kBox,
           QT_TRANSLATE_NOOP("vantrel::CCoordinates", "Longitude seconds")},
          {ids::kNorthing, K::kEdit, "", 56, 117, 60, 14, kBox},
          {ids::kEasting, K::kEdit, "", 56, 138, 60, 14, kBox},
          {ids::kZone, K::kEdit, "", 193, 115, 44, 14, kBox},
          {ids::kNorthern, K::kRadioButton, QT_TRANSLATE_NOOP("vantrel::CCoordinates", "Northern"),
           195, 135, 45, 10, kGroup | kTabStop},
          {ids::kSouthern, K::kRadioButton, QT_TRANSLATE_NOOP("vantrel::CCoordinates", "Southern"),
           195, 146, 45, 10, kNoStyle},
          {kIdStatic, K::kGroupBox, QT_TRANSLATE_NOOP("vantrel::CCoordinates", "Select Ellipsoid "),
           7, 3, 238, 36, kGroup},
          {kIdStatic, K::kGroupBox,
           QT_TRANSLATE_NOOP("vantrel::CCoordinates", "Decimal Lat / Long  "), 7, 47, 118, 53,
           kNoStyle},
          {kIdStatic, K::kText, QT_TRANSLATE_NOOP("vantrel::CCoordinates", "Latitude "), 14, 64, 35,
           8, kNoStyle},
          {kIdStatic, K::kText, QT_TRANSLATE_NOOP("vantrel::CCoordinates", "Longitude"), 13, 84, 36,
           8, kNoStyle},
          {kIdStatic, K::kGroupBox,
           QT_TRANSLATE_NOOP("vantrel::CCoordinates", "  Degrees     Minutes     Seconds"), 131, 47,
           115, 53, kNoStyle},
          {kIdStatic, K::kGroupBox, QT_TRANSLATE_NOOP("vantrel::CCoordinates", "UTM "), 7, 103, 239,
           56, kNoStyle},
          {kIdStatic, K::kText, QT_TRANSLATE_NOOP("vantrel::CCoordinates", "Northing "), 12, 120,
           38, 8, kNoStyle},
          {kIdStatic, K::kText, QT_TRANSLATE_NOOP("vantrel::CCoordinates", "Easting"), 12, 140, 38,
           8, kNoStyle},
          {kIdStatic, K::kText, QT_TRANSLATE_NOOP("vantrel::CCoordinates", "Zone Number"), 138, 118,
           51, 8, kNoStyle},
          {kIdStatic, K::kText, QT_TRANSLATE_NOOP("vantrel::CCoordinates", "Hemisphere"), 138, 136,
           43, 8, kNoStyle},
      },
      "vantrel::CCoordinates"};
}

DialogTemplate SearchUnitsTemplate() {
  using K = ControlKind;
  return DialogTemplate{
      ids::kSearchDialog,
      QT_TRANSLATE_NOOP("vantrel::CSearchUnits", "Find"),
      249,
      170,
      "MS Shell Dlg",
      8,
      kSysMenu,
      {
          // id, kind, text, x, y, cx, cy, style[, name]
          {kIdStatic, K::kGroupBox, "", 7, 3, 235, 142, kNoStyle},
          {kIdStatic, K::kText,
           QT_TRANSLATE_NOOP("vantrel::CSearchUnits",
                             "Type All or Part of a Unit or Category Name:"),
           18, 14, 143, 8, kNoStyle},
          {ids::kSearchText, K::kEdit, "", 18, 26, 214, 14, kBorder | kAutoHScroll | kTabStop},
          {kIdStatic, K::kText, QT_TRANSLATE_NOOP("vantrel::CSearchUnits", "Possible Matches:"), 18,
           50, 58, 8, kNoStyle},
          {ids::kMatchList, K::kListBox, "", 18, 60, 214, 78,
           kSorted | kNotify | kVScroll | kBorder | kTabStop},
          {kIdOk, K::kDefPushButton, QT_TRANSLATE_NOOP("vantrel::CSearchUnits", "GO"), 125, 149, 50,
           14, kTabStop},
          {kIdCancel, K::kPushButton, QT_TRANSLATE_NOOP("vantrel::CSearchUnits", "Cancel"), 180,
           149, 50, 14, kTabStop},
      },
      "vantrel::CSearchUnits"};
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
