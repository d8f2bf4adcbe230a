#include "ui/ResultFormatPage.h"

#include <optional>

#include "platform/NumberText.h"
#include "ui/AppContext.h"
#include "ui/ResourceIds.h"
#include "ui/kit/DataExchange.h"
#include "ui/kit/DropDownList.h"
#include "ui/kit/StaticText.h"
#include "units/StoredCatalogue.h"
#include "units/UnitCatalogue.h"

namespace vantrel {
namespace {

constexpr int kPreviewPoints = 13;

}  // namespace

CResultFormat::CResultFormat(AppContext& context)
    : PropertyPage(context.templates, ids::kResultFormatPage, context.dialogFont),
      context_(context) {
  const auto refresh = [this] { RefreshPreview(); };
  AddRoutes({{ids::kAutoFormatRadio, Notification::kClicked, refresh},
             {ids::kScientificRadio, Notification::kClicked, refresh},
             {ids::kFixedRadio, Notification::kClicked, refresh},
             {ids::kPrecisionList, Notification::kSelChange, [this] { OnPrecision(); }}});
}

QString CResultFormat::PreviewText(ResultMode mode, int precision) {
  const int digits = keys::kPrecision.range.Clamp(precision);
  switch (mode) {
    case ResultMode::kScientific:
      return QString::fromStdString(FormatText("%1.*e", digits, kSample));
    case ResultMode::kFixed:
      return QString::fromStdString(FormatText("%1.*f", digits, kSample));
    default:
      return QString::fromStdString(FormatText("%1.14g", kSample));
  }
}

void CResultFormat::DoDataExchange(DataExchange& dx) { dx.Radio(ids::kAutoFormatRadio, mode_); }

void CResultFormat::OnInitDialog() {
  DropDownList* precisions = DropDownItem(ids::kPrecisionList);
  const keys::Range<int> offered = keys::kPrecision.range;
  for (int i = offered.lowest; i <= offered.highest; ++i) precisions->AddString(QString::number(i));
  QFont preview(QStringLiteral("Arial"));
  preview.setPointSize(kPreviewPoints);
  Item(ids::kFormatPreview)->setFont(preview);
  mode_ = static_cast<int>(context_.preferences.format);
  precision_ = context_.preferences.precision;
  UpdateData(false);
  precisions->SetCurSel(precision_);
  RefreshPreview();
}

void CResultFormat::OnPrecision() {
  precision_ = DropDownItem(ids::kPrecisionList)->GetCurSel();
  RefreshPreview();
}

void CResultFormat::RefreshPreview() {
  UpdateData(true);
  const auto mode = static_cast<ResultMode>(mode_);
  DropDownItem(ids::kPrecisionList)->setEnabled(mode != ResultMode::kAutomatic);
  SetItemText(ids::kFormatPreview, PreviewText(mode, precision_));
}

void CResultFormat::OnOK() {
  UpdateData(true);
  if (mode_ < 0) return;  // no mode chosen: nothing to store
  const int selected = DropDownItem(ids::kPrecisionList)->GetCurSel();
  StoreResultFormat(context_.profile, context_.preferences, context_.catalogue.Format(),
                    static_cast<ResultMode>(mode_),
                    selected >= 0 ? std::optional(selected) : std::nullopt);
}

}  // namespace vantrel
