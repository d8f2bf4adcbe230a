#include "ui/Visible.h"

#include <vector>

#include "ui/AppContext.h"
#include "ui/CatalogueNames.h"
#include "ui/DisplayNames.h"
#include "ui/ResourceIds.h"
#include "ui/kit/DataExchange.h"
#include "ui/kit/ListView.h"
#include "units/UnitCatalogue.h"

namespace vantrel {

CVisible::CVisible(AppContext& context)
    : PropertyPage(context.templates, ids::kVisiblePage, context.dialogFont), context_(context) {
  AddRoutes({{ids::kVisibleCategoryList, Notification::kSetFocus, [this] { OnListFocus(); }},
             {ids::kDisplayAllCheck, Notification::kClicked, [this] { OnDisplayAll(); }}});
}

void CVisible::DoDataExchange(DataExchange& dx) { dx.Check(ids::kDisplayAllCheck, displayAll_); }

void CVisible::OnInitDialog() {
  changed_ = 0;
  auto* list = ItemAs<ListView>(ids::kVisibleCategoryList);
  list->SetCheckBoxes(true);
  list->SetColumnWidth(kColumnWidth);
  CUnitCatalogue& catalogue = context_.catalogue;
  list->ResetContent(CategoryEntries(AllCategoryNames(catalogue)));
  for (int i = 0; i < list->GetItemCount(); ++i) {
    const CCategory* category = catalogue.FindCategory(list->GetItemKey(i).toStdString());
    list->SetCheck(i, category && category->Visible() != 0);
  }
  UpdateData(false);
}

void CVisible::OnListFocus() {
  // Only a shown list is the user's doing: a closing sheet may hand the
  // focus to a page's list on its way out.
  if (isVisible()) changed_ = 1;
}

void CVisible::OnDisplayAll() {
  changed_ = 1;
  UpdateData(true);
  auto* list = ItemAs<ListView>(ids::kVisibleCategoryList);
  for (int i = 0; i < list->GetItemCount(); ++i) list->SetCheck(i, displayAll_ != 0);
  UpdateData(false);
}

void CVisible::OnOK() {
  if (!changed_) return;
  const auto* list = ItemAs<ListView>(ids::kVisibleCategoryList);
  std::vector<CategoryVisibility> states;
  for (int i = 0; i < list->GetItemCount(); ++i) {
    states.push_back({list->GetItemKey(i).toStdString(), list->GetCheck(i) ? 1 : 0});
  }
  // Every category, visible or not, in one replace of the settings file.
  context_.catalogue.SetCategoryVisibilities(states);
}

}  // namespace vantrel
