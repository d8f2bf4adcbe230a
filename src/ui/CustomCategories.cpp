#include "ui/CustomCategories.h"

#include "platform/TextCase.h"
#include "ui/CatalogueNames.h"
#include "ui/DisplayNames.h"
#include "ui/ResourceIds.h"
#include "ui/kit/DropDownList.h"
#include "units/UnitCatalogue.h"

namespace vantrel {
namespace {

const char* const kLengthError = QT_TRANSLATE_NOOP(
    "vantrel::CCustomCategories", "The category name must be between 2 and 25 characters long.");
const char* const kExistsError =
    QT_TRANSLATE_NOOP("vantrel::CCustomCategories", "This category name already exists.");
const char* const kNotStorableError = QT_TRANSLATE_NOOP(
    "vantrel::CCustomCategories",
    "This category name cannot be saved in the settings file and read back. A name may not "
    "contain \"=\", \"?val=\", a tab or a line break, nor start with \"[\" or \";\".");
const char* const kNameClashError = QT_TRANSLATE_NOOP(
    "vantrel::CCustomCategories",
    "A category whose name differs from [%1] only in letter case already exists. The "
    "settings file cannot tell the two apart: choose another name.");
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
  if (!HasNameLength(typed)) {
    Refuse(tr(kLengthError));
    return;
  }
  const QString name = QString::fromStdString(NormaliseCategoryName(typed));
  Report(catalogue_.AddCategory(name.toStdString(), 1, 1, 1),
         tr("Category [%1] was successfully added.").arg(name),
         {{result::kAlreadyExists, tr(kExistsError)},
          {result::kNotStorable, tr(kNotStorableError)},
          {result::kNameClash, tr(kNameClashError).arg(name)},
          {result::kNotSaved, tr(kNotAddedError).arg(name)}});
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
