#include "ui/CustomUnits.h"

#include <QCoreApplication>
#include <cmath>
#include <string>

#include "expr/ErrorReport.h"
#include "expr/InputExpression.h"
#include "platform/NumberText.h"
#include "platform/TextEncoding.h"
#include "ui/AppContext.h"
#include "ui/CatalogueNames.h"
#include "ui/DisplayNames.h"
#include "ui/ResourceIds.h"
#include "ui/kit/DropDownList.h"
#include "ui/kit/EditBox.h"
#include "units/CustomStore.h"
#include "units/UnitCatalogue.h"

namespace vantrel {
namespace {

// What each edit lets through from the keyboard. The coefficient is an
// expression, so its operators and brackets are typed too.
const QString kNameCharacters =
    QStringLiteral("-0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ /");
const QString kCoefficientCharacters = QStringLiteral("+-0123456789.eE/*^()");

const char* const kRangeError = QT_TRANSLATE_NOOP(
    "vantrel::CCustomUnits",
    "With this coefficient the new unit is beyond the range of numbers the converter holds.");
const char* const kBuiltInError = QT_TRANSLATE_NOOP(
    "vantrel::CCustomUnits", "You may only remove previously added custom units.");
const char* const kNotAddedError = QT_TRANSLATE_NOOP(
    "vantrel::CCustomUnits",
    "Unit name [%1] was not added to [%2]: the settings file could not be written.");
const char* const kNotRemovedError = QT_TRANSLATE_NOOP(
    "vantrel::CCustomUnits",
    "Unit name [%1] was not removed from [%2]: the settings file could not be written.");

// The coefficient is read as the main window reads its input: evaluated.
expr::InputValue ReadCoefficient(expr::MathContext& math, const QString& text) {
  const std::string ansi = Utf8ToAnsi(text.toStdString());
  return expr::evaluate_input_value(math, ansi.c_str());
}

// A unit of size 0, below 0 or beyond the numbers turns every conversion
// with it into 0, a negative or an infinity.
bool IsUsable(double coefficient) { return std::isfinite(coefficient) && coefficient > 0; }

// Why the coefficient defines no unit; empty when it does.
QString CoefficientProblem(const expr::InputValue& k) {
  if (k.error_code != expr::kNoError) {
    char message[expr::MX_MATH_EXPRESSION_LENGTH] = {};
    expr::math_expression_error_message(message, k.error_code);
    //: %1 is the evaluator's reason, in English as the command line gives it
    return QCoreApplication::translate("vantrel::CCustomUnits",
                                       "The coefficient cannot be read: %1.")
        .arg(QString::fromLatin1(message));
  }
  if (!IsUsable(k.value))
    return QCoreApplication::translate("vantrel::CCustomUnits",
                                       "The coefficient must be greater than 0.");
  return {};
}

}  // namespace

CCustomUnits::CCustomUnits(AppContext& context, QWidget* parent)
    : CatalogueChangeDialog(context, ids::kCustomUnitsDialog, parent) {}

void CCustomUnits::OnInitDialog() {
  AddRoutes({
      {ids::kUnitCategoryList, Notification::kSelChange, [this] { OnSelectCategory(); }},
      {ids::kSourceUnitList, Notification::kSelChange, [this] { OnSelectSource(); }},
      {ids::kUnitNameEdit, Notification::kChanged, [this] { RefreshPreview(); }},
      {ids::kCoefficientEdit, Notification::kChanged, [this] { RefreshPreview(); }},
      {ids::kInvertCheck, Notification::kClicked, [this] { RefreshPreview(); }},
      {ids::kAddUnitButton, Notification::kClicked, [this] { OnAdd(); }},
      {ids::kRemoveUnitButton, Notification::kClicked, [this] { OnRemove(); }},
  });
  EditItem(ids::kUnitNameEdit)->AdmitTypedCharacters(kNameCharacters);
  EditItem(ids::kCoefficientEdit)->AdmitTypedCharacters(kCoefficientCharacters);

  SetItemText(ids::kUnitNameEdit, {});
  DropDownList* categories = DropDownItem(ids::kUnitCategoryList);
  categories->ResetContent(CategoryEntries(AllCategoryNames(catalogue_)));
  categories->SetCurSel(0);
  OnSelectCategory();
  SetItemText(ids::kCoefficientEdit, QStringLiteral("1"));
}

void CCustomUnits::OnOK() {
  // A typed unit is not thrown away by a key press.
  if (ItemText(ids::kUnitNameEdit).isEmpty()) {
    accept();
  } else {
    OnAdd();
  }
}

void CCustomUnits::OnSelectCategory() {
  const DropDownList* categories = DropDownItem(ids::kUnitCategoryList);
  const int selected = categories->GetCurSel();
  if (selected < 0) return;
  const QString category = categories->GetKey(selected);
  if (!catalogue_.SelectCategory(category.toStdString())) return;
  DropDownList* sources = DropDownItem(ids::kSourceUnitList);
  const std::vector<ListEntry> units = UnitEntries(category, CurrentUnitNames(catalogue_));
  sources->ResetContent(units);
  unitCount_ = static_cast<int>(units.size());
  const bool any = unitCount_ > 0;
  for (const int id :
       {ids::kSourceUnitList, ids::kCoefficientEdit, ids::kRemoveUnitButton, ids::kInvertCheck})
    Item(id)->setEnabled(any);
  if (any) {
    sources->SetCurSel(0);
    OnSelectSource();
  } else {
    RefreshPreview();
  }
}

void CCustomUnits::OnSelectSource() {
  const DropDownList* sources = DropDownItem(ids::kSourceUnitList);
  const int selected = sources->GetCurSel();
  if (selected < 0) return;
  if (CCategory* category = catalogue_.CurrentCategory())
    category->SelectInputUnit(sources->GetKey(selected).toStdString());
  RefreshPreview();
}

void CCustomUnits::RefreshPreview() {
  const CCategory* category = catalogue_.CurrentCategory();
  if (unitCount_ == 0 || !category) {
    SetItemText(ids::kPreviewEdit, {});
    return;
  }
  // A coefficient the evaluator cannot read has no value to show.
  const expr::InputValue k = ReadCoefficient(context_.math, ItemText(ids::kCoefficientEdit));
  const QString value = k.error_code == expr::kNoError
                            ? QString::fromStdString(FormatText("%1.8g", k.value))
                            : QStringLiteral("?");
  const DropDownList* sources = DropDownItem(ids::kSourceUnitList);
  const QString sourceName =
      category->InputUnit() ? sources->GetLBText(sources->GetCurSel()) : QString();
  //: %1 is the coefficient, %2 the source unit, %3 the new unit
  const QString preview =
      IsDlgButtonChecked(ids::kInvertCheck)
          ? tr("Output = %1 × (1.0 / Input) \r\nInput is in %2\r\nOutput is in %3")
          : tr("Output = %1 × Input \r\nInput is in %2\r\nOutput is in %3");
  SetItemText(ids::kPreviewEdit, preview.arg(value, sourceName, ItemText(ids::kUnitNameEdit)));
}

void CCustomUnits::OnAdd() {
  const std::string name = ItemText(ids::kUnitNameEdit).toStdString();
  if (!CheckNameLength(name, NameKind::kUnit)) return;
  // The first unit of a category is its base unit.
  double coefficient = 1.0;
  int inverted = 0;
  if (unitCount_ > 0) {
    const CCategory* category = catalogue_.CurrentCategory();
    const CUnit* source = category ? category->InputUnit() : nullptr;
    if (!source) return;
    const expr::InputValue k = ReadCoefficient(context_.math, ItemText(ids::kCoefficientEdit));
    if (const QString problem = CoefficientProblem(k); !problem.isEmpty()) {
      Refuse(problem);
      return;
    }
    // One new unit is k source units, or k inverse source units.
    if (IsDlgButtonChecked(ids::kInvertCheck) == source->inverted) {
      coefficient = k.value * source->coefficient;
    } else {
      coefficient = source->coefficient / k.value;
      inverted = 1;
    }
    if (!IsUsableCoefficient(coefficient)) {
      Refuse(tr(kRangeError));
      return;
    }
  }
  const std::string categoryName = catalogue_.CurrentCategoryName();
  const QString shownCategory = ShownCategory(categoryName);
  const int outcome = catalogue_.AddUnit(name, " ", coefficient, 0.0, inverted, 1, 1);
  if (outcome == result::kDone) changedCategory_ = categoryName;
  ReportAdd(outcome, NameKind::kUnit, Shown(name),
            tr("Unit name [%1] was successfully added to [%2]").arg(Shown(name), shownCategory),
            tr(kNotAddedError).arg(Shown(name), shownCategory));
}

void CCustomUnits::OnRemove() {
  if (unitCount_ == 0) return;
  const CCategory* category = catalogue_.CurrentCategory();
  if (!category || !category->InputUnit()) return;
  // Copies: the removal destroys the unit.
  const std::string name = category->InputUnit()->name;
  const std::string categoryName = category->Name();
  const QString shownCategory = ShownCategory(categoryName);
  const int outcome = catalogue_.RemoveUnit(name);
  if (outcome == result::kDone) changedCategory_ = categoryName;
  Report(outcome, tr("Unit name [%1] was removed from [%2]").arg(Shown(name), shownCategory),
         {{result::kNotCustom, tr(kBuiltInError)},
          {result::kNotSaved, tr(kNotRemovedError).arg(Shown(name), shownCategory)}});
}

}  // namespace vantrel
