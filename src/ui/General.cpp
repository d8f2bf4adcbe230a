#include "ui/General.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QWindow>

#include "ui/AppContext.h"
#include "ui/ResourceIds.h"
#include "ui/kit/DataExchange.h"
#include "ui/kit/DropDownList.h"
#include "ui/kit/Shell.h"

namespace vantrel {

QString FontFamilyOf(const QString& listed) {
  const qsizetype tag = listed.lastIndexOf(QStringLiteral(" ["));
  if (tag <= 0 || !listed.endsWith(u']')) return listed;
  return listed.left(tag);
}

QStringList FontFamilies(const QStringList& listed) {
  QStringList families;
  for (const QString& name : listed) {
    const QString family = FontFamilyOf(name);
    if (!families.contains(family)) families << family;
  }
  return families;
}

void SetAlwaysOnTop(QWidget& window, bool onTop) {
  const Qt::WindowFlags flags = onTop ? window.windowFlags() | Qt::WindowStaysOnTopHint
                                      : window.windowFlags() & ~Qt::WindowStaysOnTopHint;
  if (flags == window.windowFlags()) return;
  // setWindowFlags would make a new native window, hidden: the flag goes to
  // the one there is instead.
  window.overrideWindowFlags(flags);
  if (QWindow* handle = window.windowHandle()) handle->setFlags(flags);
}

CGeneral::CGeneral(AppContext& context)
    : PropertyPage(context.templates, ids::kGeneralPage, context.dialogFont), context_(context) {
  AddRoutes({{ids::kCustomFontCheck, Notification::kClicked, [this] { OnCustomFont(); }}});
}

void CGeneral::DoDataExchange(DataExchange& dx) {
  dx.Check(ids::kShowAbbreviationCheck, showAbbreviation_);
  dx.Check(ids::kOnTopCheck, onTop_);
  dx.Check(ids::kRememberLastCheck, rememberLast_);
  dx.Check(ids::kCustomFontCheck, customFont_);
}

void CGeneral::OnInitDialog() {
  const Preferences& preferences = context_.preferences;
  showAbbreviation_ = preferences.showAbbreviation != 0;
  onTop_ = preferences.onTop != 0;
  rememberLast_ = preferences.rememberLast != 0;
  customFont_ = context_.dialogFont.replacesTemplateFonts;
  UpdateData(false);
  FillFaceList();
  DropDownList* sizes = DropDownItem(ids::kFontSizeList);
  for (int i = 1; i <= kFontSizes; ++i) sizes->AddString(QString::number(i));
  OnCustomFont();
}

void CGeneral::FillFaceList() {
  QStringList listed;
  for (const QString& family : QFontDatabase::families()) {
    if (!QFontDatabase::isPrivateFamily(family)) listed << family;
  }
  DropDownList* faces = DropDownItem(ids::kFontFaceList);
  for (const QString& family : FontFamilies(listed)) faces->AddString(family);
}

int CGeneral::FindFace(const QString& face) const {
  const DropDownList* faces = DropDownItem(ids::kFontFaceList);
  const int exact = faces->findText(face, Qt::MatchFixedString);
  if (exact >= 0) return exact;
  // "Verdana" is seldom installed here: the list shows what stands in for it.
  return faces->findText(QFontInfo(QFont(face)).family(), Qt::MatchFixedString);
}

void CGeneral::OnCustomFont() {
  const bool on = IsDlgButtonChecked(ids::kCustomFontCheck);
  DropDownList* faces = DropDownItem(ids::kFontFaceList);
  DropDownList* sizes = DropDownItem(ids::kFontSizeList);
  faces->setEnabled(on);
  sizes->setEnabled(on);
  if (!on) return;
  const int face = FindFace(QString::fromStdString(context_.dialogFont.face));
  faces->SetCurSel(face >= 0 ? face : 0);
  // A size the list does not offer leaves it without a selection.
  sizes->SetCurSel(context_.dialogFont.points - kFirstFontSize);
}

void CGeneral::OnOK() {
  UpdateData(true);
  Preferences& preferences = context_.preferences;
  PreferredFont& font = context_.dialogFont;
  preferences.showAbbreviation = showAbbreviation_;
  preferences.onTop = onTop_;
  preferences.rememberLast = rememberLast_;
  font.replacesTemplateFonts = customFont_ == 1;
  if (customFont_ == 1) {
    // A list without a selection keeps the present value: a stored size
    // the list does not offer is not turned into 7 points.
    const DropDownList* faces = DropDownItem(ids::kFontFaceList);
    const DropDownList* sizes = DropDownItem(ids::kFontSizeList);
    if (faces->GetCurSel() >= 0) font.face = faces->currentText().toStdString();
    if (sizes->GetCurSel() >= 0) font.points = sizes->GetCurSel() + kFirstFontSize;
  }
  WriteGeneralSettings(context_.profile, preferences, SettingsFontOf(font));
  if (QWidget* main = context_.shell.MainWindow()) SetAlwaysOnTop(*main, onTop_ == 1);
}

}  // namespace vantrel
