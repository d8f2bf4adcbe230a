#include "ui/ResultFormatPage.h"

#include <algorithm>

#include "platform/NumberText.h"
#include "ui/AppContext.h"
#include "ui/ResourceIds.h"
#include "ui/kit/DataExchange.h"
#include "ui/kit/DropDownList.h"
#include "ui/kit/StaticText.h"
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

QString CResultFormat::PreviewText(int mode, int precision) {
  const int digits = std::clamp(precision, kMinPrecision, kMaxPrecision);
  switch (mode) {
    case ResultFormat::kScientific:
      return QString::fromStdWString(FormatWide("%1.*e", digits, kSample));
    case ResultFormat::kFixed:
      return QString::fromStdWString(FormatWide("%1.*f", digits, kSample));
    default:
      return QString::fromStdWString(FormatWide("%1.14g", kSample));
  }
}

void CResultFormat::DoDataExchange(DataExchange& dx) { dx.Radio(ids::kAutoFormatRadio, mode_); }

void CResultFormat::OnInitDialog() {
  DropDownList* precisions = DropDownItem(ids::kPrecisionList);
  for (int i = kMinPrecision; i <= kMaxPrecision; ++i) precisions->AddString(QString::number(i));
  QFont preview(QStringLiteral("Arial"));
  preview.setPointSize(kPreviewPoints);
  Item(ids::kFormatPreview)->setFont(preview);
  mode_ = context_.preferences.format;
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
  DropDownItem(ids::kPrecisionList)->setEnabled(mode_ != ResultFormat::kAutomatic);
  SetItemText(ids::kFormatPreview, PreviewText(mode_, precision_));
}

void CResultFormat::OnOK() {
  UpdateData(true);
  if (mode_ < 0) return;  // no mode chosen: nothing to store
  context_.preferences.format = mode_;
  const int selected = DropDownItem(ids::kPrecisionList)->GetCurSel();
  const bool withPrecision = mode_ != ResultFormat::kAutomatic && selected >= 0;
  if (withPrecision) context_.preferences.precision = selected;
  if (context_.catalogue) {
    context_.catalogue->Format().mode = mode_;
    if (withPrecision) context_.catalogue->Format().precision = selected;
  }
  WriteResultFormat(context_.profile, mode_, context_.preferences.precision);
}

}  // namespace vantrel
