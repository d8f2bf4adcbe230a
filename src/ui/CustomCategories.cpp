#include "ui/CustomCategories.h"

#include "platform/TextCase.h"
#include "ui/CatalogueNames.h"
#include "ui/DisplayNames.h"
#include "ui/ResourceIds.h"
#include "ui/kit/DropDownList.h"
#include "units/UnitCatalogue.h"

namespace vantrel {
namespace {

const char* const kBuiltInError = QT_TRANSLATE_NOOP(
    "vantrel::CCustomCategories", "You may only remove previously added custom categories.");
const char* const kNotAddedError =
    QT_TRANSLATE_NOOP("vantrel::CCustomCategories",
                      "Category [%1] was not added: the settings file could not be written.");
const char* const kNotRemovedError =
    QT_TRANSLATE_NOOP("vantrel::CCustomCategories",
                      "Category [%1] was not removed: the settings file could not be written.");

// A new category's name as stored: A-Z in lower case, then a first letter
// a-z in upper case; every other character as typed.
std::string NormaliseCategoryName(std::string_view name) {
  std::string normal(name);
  for (char& c : normal) c = LowerAscii(c);
  if (!normal.empty() && normal.front() >= 'a' && normal.front() <= 'z')
    normal.front() = normal.front() - 'a' + 'A';
  return normal;
}

}  // namespace

CCustomCategories::CCustomCategories(AppContext& context, QWidget* parent)
    : CatalogueChangeDialog(context, ids::kCustomCategoriesDialog, parent) {}

void CCustomCategories::OnInitDialog() {
  AddRoutes({
      {ids::kAddCategoryButton, Notification::kClicked, [this] { OnAdd(); }},
      {ids::kRemoveCategoryButton, Notification::kClicked, [this] { OnRemove(); }},
  });
  DropDownList* categories = DropDownItem(ids::kRemovableCategoryList);
  categories->ResetContent(CategoryEntries(AllCategoryNames(catalogue_)));
  categories->SetCurSel(0);
  SetItemText(ids::kCategoryNameEdit, {});
}

void CCustomCategories::OnAdd() {
  const std::string typed = ItemText(ids::kCategoryNameEdit).toStdString();
  if (!CheckNameLength(typed, NameKind::kCategory)) return;
  const QString name = QString::fromStdString(NormaliseCategoryName(typed));
  ReportAdd(catalogue_.AddCategory(name.toStdString(), 1, 1, 1), NameKind::kCategory, name,
            tr("Category [%1] was successfully added.").arg(name), tr(kNotAddedError).arg(name));
}

void CCustomCategories::OnRemove() {
  const DropDownList* categories = DropDownItem(ids::kRemovableCategoryList);
  const int selected = categories->GetCurSel();
  if (selected < 0) return;
  const std::string name = categories->GetKey(selected).toStdString();
  Report(catalogue_.RemoveCategory(name),
         tr("Category [%1] was successfully removed.").arg(Shown(name)),
         {{result::kNotCustom, tr(kBuiltInError)},
          {result::kNotSaved, tr(kNotRemovedError).arg(Shown(name))}});
}

}  // namespace vantrel
