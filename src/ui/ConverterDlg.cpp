#include "ui/ConverterDlg.h"

#include <QCloseEvent>
#include <QPainter>
#include <algorithm>
#include <string>

#include "ui/AppContext.h"
#include "ui/ResourceIds.h"
#include "ui/kit/DropDownList.h"
#include "ui/kit/EditBox.h"
#include "ui/kit/ListBox.h"
#include "ui/kit/PictureStatic.h"
#include "ui/kit/Resources.h"
#include "ui/kit/Shell.h"
#include "ui/kit/StaticText.h"
#include "units/BuiltinCatalogue.h"
#include "units/CustomStore.h"
#include "units/InputConversion.h"

namespace vantrel {
namespace {

const QString kInputTip = QStringLiteral(
    "Enter your value in the Input Box :\r\n\r\nas Decimal, e.g. 1.75\r\nas Exponent, e.g. "
    "1.2e-5\r\nas Partial Fraction, e.g. 7/8  or\r\nas Mixed Fraction, e.g. 2+3/4  (for 2\u00BE).");
const QString kInvertTip = QStringLiteral("Click on the icon to invert currently selected units");
constexpr int kTipTime = 30000;
constexpr int kTipWidth = 640;
constexpr int kLogoWidth = 250;
constexpr int kLogoHeight = 57;
constexpr int kInvertSide = 32;
constexpr int kStartPosition = 150;

QString FromWide(const std::wstring& text) { return QString::fromStdWString(text); }

}  // namespace

CConverterDlg::CConverterDlg(AppContext& context, QWidget* parent)
    : TemplateDialog(context.templates, ids::kMainDialog, context.dialogFont, parent),
      context_(context),
      logo_(context.shell),
      invert_(context.shell),
      icon_(LoadIconResource(ids::kAppIcon)) {
  BuildBuiltinCatalogue(catalogue_);
  catalogue_.SetProfile(&context_.profile);
}

CConverterDlg::~CConverterDlg() {
  // The controls outlive this part of the window: none may call back into it.
  for (QObject* child : children()) child->disconnect(this);
  if (context_.catalogue == &catalogue_) context_.catalogue = nullptr;
  catalogue_.ClearAll();
}

void CConverterDlg::OnBeforeCreate() {
  // The dialog font is read as the window is about to exist; the menu font
  // follows it even when the dialogs keep their own.
  context_.dialogFont = ReadDialogFont(context_.profile, context_.dialogFont);
  context_.menuFont = QFont(QString::fromStdWString(context_.dialogFont.name));
  context_.menuFont.setPointSize(context_.dialogFont.size);
}

void CConverterDlg::OnInitDialog() {
  connect(DropDownItem(ids::kCategoryList), &DropDownList::SelectionChanged, this,
          &CConverterDlg::OnSelectCategory);
  connect(ListBoxItem(ids::kInputUnitList), &ListBox::SelectionChanged, this,
          &CConverterDlg::ComputeResult);
  connect(ListBoxItem(ids::kOutputUnitList), &ListBox::SelectionChanged, this,
          &CConverterDlg::ComputeResult);
  connect(EditItem(ids::kInputBox), &EditBox::Changed, this, &CConverterDlg::ComputeResult);
  connect(PictureItem(ids::kInvertIcon), &PictureStatic::Clicked, this,
          &CConverterDlg::OnInvertUnits);
  connect(PictureItem(ids::kLogo), &PictureStatic::Clicked, this, &CConverterDlg::OpenHomePage);

  SetItemText(ids::kInputBox, inputText_);
  SetItemText(ids::kOutputBox, outputText_);
  setWindowIcon(icon_);
  LoadSettings();
  FillCategoryCombo();
  DropDownItem(ids::kCategoryList)->SetCurSel(lastCategory_);
  OnSelectCategory();
  ListBoxItem(ids::kInputUnitList)->SetCurSel(lastUnitFrom_);
  ListBoxItem(ids::kOutputUnitList)->SetCurSel(lastUnitTo_);
  ComputeResult();
  PlaceLogo();
  logo_.LoadFromResource(ids::kBannerGif, kGifResource);
  invert_.LoadFromResource(ids::kInvertGif, kGifResource);
  PictureItem(ids::kLogo)->setCursor(LoadCursorResource(ids::kHandCursor));
  PictureItem(ids::kLogo)->SetPainter([this](QPainter& painter, const QRect&) {
    logo_.Draw(&painter, QRect(0, 0, kLogoWidth, kLogoHeight));
  });
  PictureItem(ids::kInvertIcon)->SetPainter([this](QPainter& painter, const QRect& rect) {
    // The icon shrinks to fit a control smaller than itself instead of losing
    // its lower arrow.
    const int side = std::min({kInvertSide, rect.width(), rect.height()});
    invert_.Draw(&painter, QRect(0, 0, side, side));
  });
  BuildMenu();
  CreateToolTips();
  ShowAtStart();
  context_.catalogue = &catalogue_;
  DropDownItem(ids::kCategoryList)->setFocus();
}

void CConverterDlg::LoadSettings() {
  context_.preferences = ReadPreferences(context_.profile);
  const Preferences& preferences = context_.preferences;
  catalogue_.Format().mode = preferences.format;
  catalogue_.Format().precision = preferences.precision;
  lastCategory_ = preferences.lastCategory;
  lastUnitTo_ = preferences.lastUnitTo;
  lastUnitFrom_ = preferences.lastUnitFrom;
  LoadCustomDefinitions(catalogue_, context_.profile);
  ApplyStoredVisibility(catalogue_, context_.profile);
}

void CConverterDlg::PlaceLogo() {
  // Right-aligned, level with the category list. The window's frame is not
  // known before it is shown (and differs between window systems), so the
  // width is that of the inside of the window.
  const QWidget* categories = Item(ids::kCategoryList);
  const int top = categories->y();
  const int bottom = categories->y() + categories->height();
  const int x = width() - 265;
  const int y = static_cast<int>((top + bottom) * 0.5 - 30);
  Item(ids::kLogo)->setGeometry(x, y, kLogoWidth, kLogoHeight);
}

void CConverterDlg::CreateToolTips() {
  tips_.Activate(true);
  tips_.AddTool(Item(ids::kInputBox), kInputTip);
  tips_.AddTool(Item(ids::kInvertIcon), kInvertTip);
  tips_.SetAutoPopTime(kTipTime);
  tips_.SetMaxTipWidth(kTipWidth);
}

void CConverterDlg::ShowAtStart() {
  setWindowFlag(Qt::WindowStaysOnTopHint, context_.preferences.onTop != 0);
  move(kStartPosition, kStartPosition);
  show();
}

void CConverterDlg::FillCategoryCombo() {
  DropDownList* categories = DropDownItem(ids::kCategoryList);
  categories->ResetContent();
  catalogue_.SetCategoryRestart(true);
  while (const CCategory* category = catalogue_.NextCategory()) {
    if (category->Visible() == 1) categories->AddString(FromWide(category->Name()));
  }
}

void CConverterDlg::OnSelectCategory() {
  ListBox* from = ListBoxItem(ids::kInputUnitList);
  ListBox* to = ListBoxItem(ids::kOutputUnitList);
  from->ResetContent();
  to->ResetContent();
  DropDownList* categories = DropDownItem(ids::kCategoryList);
  const int selected = categories->GetCurSel();
  if (selected < 0) return;
  if (!catalogue_.SelectCategory(categories->GetLBText(selected).toStdWString())) return;
  catalogue_.SetUnitRestart(true);
  for (std::wstring name = catalogue_.NextUnitText(false); !name.empty();
       name = catalogue_.NextUnitText(false)) {
    from->AddString(FromWide(name));
    to->AddString(FromWide(name));
  }
  from->SetCurSel(0);
  to->SetCurSel(0);
  ComputeResult();
}

void CConverterDlg::ComputeResult() {
  const ListBox* from = ListBoxItem(ids::kInputUnitList);
  const ListBox* to = ListBoxItem(ids::kOutputUnitList);
  const int inputIndex = from->GetCurSel();
  const int outputIndex = to->GetCurSel();
  CCategory* category = catalogue_.CurrentCategory();
  if (inputIndex < 0 || outputIndex < 0 || !category) return;
  const std::wstring inputUnit = from->GetText(inputIndex).toStdWString();
  const std::wstring outputUnit = to->GetText(outputIndex).toStdWString();
  category->SelectInputUnit(inputUnit);
  category->SelectOutputUnit(outputUnit);
  inputText_ = ItemText(ids::kInputBox);

  QString errorTip;
  outputText_.clear();
  if (category->InputUnit() && category->OutputUnit()) {
    const ConversionOutcome outcome =
        ConvertInput(inputText_.toStdWString(), *category, *category->InputUnit(),
                     *category->OutputUnit(), catalogue_.Format(), 1);
    // The window shows what a result it has, also an infinite one or the
    // value of a help keyword; only an error says why, in the box's tip.
    outputText_ = FromWide(outcome.text);
    if (outcome.kind == ConversionOutcome::Kind::kError)
      errorTip = QString::fromStdString(outcome.message);
  }

  QString inputLabel = FromWide(inputUnit);
  QString outputLabel = FromWide(outputUnit);
  if (context_.preferences.showAbbreviation == 1) {
    if (const CUnit* unit = category->InputUnit()) {
      inputLabel += QStringLiteral(" \r\n") + FromWide(unit->abbreviation);
    }
    if (const CUnit* unit = category->OutputUnit()) {
      outputLabel += QStringLiteral(" \r\n") + FromWide(unit->abbreviation);
    }
  }
  SetItemText(ids::kInputUnitLabel, inputLabel);
  SetItemText(ids::kOutputUnitLabel, outputLabel);
  SetItemText(ids::kOutputBox, outputText_);
  tips_.UpdateTipText(Item(ids::kOutputBox), errorTip);
}

void CConverterDlg::OnInvertUnits() {
  ListBox* from = ListBoxItem(ids::kInputUnitList);
  ListBox* to = ListBoxItem(ids::kOutputUnitList);
  const int a = from->GetCurSel();
  const int b = to->GetCurSel();
  from->SetCurSel(b);
  to->SetCurSel(a);
  ComputeResult();
}

void CConverterDlg::SaveLastSelection() {
  WriteLastSelection(context_.profile, DropDownItem(ids::kCategoryList)->GetCurSel(),
                     ListBoxItem(ids::kOutputUnitList)->GetCurSel(),
                     ListBoxItem(ids::kInputUnitList)->GetCurSel());
}

void CConverterDlg::closeEvent(QCloseEvent* event) {
  if (Item(ids::kCategoryList)) SaveLastSelection();
  TemplateDialog::closeEvent(event);
}

void CConverterDlg::OpenHomePage() {
  if (!context_.homePage.isEmpty()) context_.shell.OpenAddress(context_.homePage);
}

}  // namespace vantrel
