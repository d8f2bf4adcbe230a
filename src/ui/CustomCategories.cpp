#include "ui/CustomCategories.h"

#include "ui/AppContext.h"
#include "ui/CatalogueNames.h"
#include "ui/ResourceIds.h"
#include "ui/UserMessages.h"
#include "ui/kit/DropDownList.h"
#include "units/UnitCatalogue.h"

namespace vantrel {
namespace {

const QString kLengthError =
    QStringLiteral("The category name must be between 2 and 25 characters long.");
const QString kExistsError = QStringLiteral("This category name already exists.");
const QString kNotStorableError = QStringLiteral(
    "This category name cannot be saved in the settings file and read back. A name may not "
    "contain \"=\", \"?val=\" or a line break, nor start with \"[\" or \";\".");
const QString kNameClashError = QStringLiteral(
    "A category whose name differs from [%1] only in letter case already exists. The "
    "settings file cannot tell the two apart: choose another name.");
const QString kBuiltInError =
    QStringLiteral("You may only remove previously added custom categories.");

constexpr std::size_t kShortestName = 2;
constexpr std::size_t kLongestName = 25;

}  // namespace

std::wstring NormaliseCategoryName(std::wstring_view name) {
  std::wstring normal(name);
  for (wchar_t& c : normal)
    if (c >= L'A' && c <= L'Z') c = c - L'A' + L'a';
  if (!normal.empty() && normal.front() >= L'a' && normal.front() <= L'z')
    normal.front() = normal.front() - L'a' + L'A';
  return normal;
}

CCustomCategories::CCustomCategories(AppContext& context, QWidget* parent)
    : TemplateDialog(context.templates, ids::kCustomCategoriesDialog, context.dialogFont, parent),
      context_(context),
      catalogue_(*context.catalogue) {}

void CCustomCategories::OnInitDialog() {
  AddRoutes({
      {ids::kAddCategoryButton, Notification::kClicked, [this] { OnAdd(); }},
      {ids::kRemoveCategoryButton, Notification::kClicked, [this] { OnRemove(); }},
  });
  lastResult_ = 0;
  DropDownList* categories = DropDownItem(ids::kRemovableCategoryList);
  for (const QString& name : AllCategoryNames(catalogue_)) categories->AddString(name);
  categories->SetCurSel(0);
  SetItemText(ids::kCategoryNameEdit, {});
}

void CCustomCategories::OnAdd() {
  const std::wstring typed = ItemText(ids::kCategoryNameEdit).toStdWString();
  if (typed.size() < kShortestName || typed.size() > kLongestName) {
    ShowErrorMessage(context_.shell, this, kLengthError);
    return;
  }
  const std::wstring name = NormaliseCategoryName(typed);
  const QString shown = QString::fromStdWString(name);
  lastResult_ = catalogue_.AddCategory(name, 1, 1, 1);
  switch (lastResult_) {
    case result::kAlreadyExists:
      ShowErrorMessage(context_.shell, this, kExistsError);
      break;
    case result::kNotStorable:
      ShowErrorMessage(context_.shell, this, kNotStorableError);
      break;
    case result::kNameClash:
      ShowErrorMessage(context_.shell, this, kNameClashError.arg(shown));
      break;
    case result::kDone:
      Succeed(QStringLiteral("Category [%1] was successfully added.").arg(shown));
      break;
    default:
      break;
  }
}

void CCustomCategories::OnRemove() {
  const DropDownList* categories = DropDownItem(ids::kRemovableCategoryList);
  const int selected = categories->GetCurSel();
  if (selected < 0) return;
  const QString name = categories->GetLBText(selected);
  lastResult_ = catalogue_.RemoveCategory(name.toStdWString());
  if (lastResult_ == result::kDone) {
    Succeed(QStringLiteral("Category [%1] was successfully removed.").arg(name));
  } else if (lastResult_ == result::kNotCustom) {
    ShowErrorMessage(context_.shell, this, kBuiltInError);
  }
}

void CCustomCategories::Succeed(const QString& text) {
  ShowSuccessMessage(context_.shell, this, text);
  OnOK();
}

}  // namespace vantrel
