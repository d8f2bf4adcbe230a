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
          // id, kind, text, x, y, cx, cy, style
          {ids::kCategoryList, K::kDropDownList, L"", 12, 18, 122, 176,
           kSorted | kVScroll | kTabStop},
          {ids::kInputUnitList, K::kListBox, L"", 12, 58, 122, 75, kUnitList},
          {ids::kOutputUnitList, K::kListBox, L"", 165, 58, 122, 75, kUnitList},
          {ids::kInvertIcon, K::kOwnerDrawStatic, L"", 142, 86, 17, 16, kNotify},
          {ids::kInputBox, K::kEdit, L"", 12, 158, 122, 14, kAutoHScroll | kBorder | kTabStop},
          {ids::kOutputBox, K::kEdit, L"", 165, 158, 122, 14,
           kReadOnly | kAutoHScroll | kBorder | kTabStop},
          {ids::kCategoryFrame, K::kGroupBox, L"Select Category ", 7, 7, 131, 31, kNoStyle},
          {ids::kUnitsFrame, K::kGroupBox, L"Select Units ", 7, 40, 287, 100, kNoStyle},
          {ids::kInputHeading, K::kText, L"INPUT", 59, 49, 21, 8, kNoStyle},
          {ids::kOutputHeading, K::kText, L"OUTPUT", 214, 49, 28, 8, kNoStyle},
          {ids::kResultFrame, K::kGroupBox, L"Result", 7, 144, 287, 49, kNoStyle},
          {ids::kLogo, K::kOwnerDrawStatic, L"", 150, 8, 22, 15, kNotify},
          {ids::kInputUnitLabel, K::kText, L"", 12, 175, 122, 17, kNoStyle},
          {ids::kOutputUnitLabel, K::kText, L"", 165, 175, 122, 17, kNoStyle},
      }};
}

namespace {

// The find dialog.
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
          // id, kind, text, x, y, cx, cy, style
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

}  // namespace

void AddProgramTemplates(DialogTemplateRegistry& registry) {
  registry.Add(MainDialogTemplate());
  registry.Add(SearchUnitsTemplate());
}

}  // namespace vantrel
