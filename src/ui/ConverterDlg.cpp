#include "ui/ConverterDlg.h"

#include <QCloseEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <string>
#include <utility>

#include "platform/ScopedValue.h"
#include "settings/SettingsProblem.h"
#include "ui/AppContext.h"
#include "ui/CatalogueNames.h"
#include "ui/DisplayNames.h"
#include "ui/General.h"
#include "ui/ResourceIds.h"
#include "ui/kit/DropDownList.h"
#include "ui/kit/EditBox.h"
#include "ui/kit/ListBox.h"
#include "ui/kit/ListSort.h"
#include "ui/kit/PictureStatic.h"
#include "ui/kit/Resources.h"
#include "ui/kit/ScreenPlace.h"
#include "ui/kit/Shell.h"
#include "ui/kit/StaticText.h"
#include "units/InputConversion.h"
#include "units/StoredCatalogue.h"

namespace vantrel {
namespace {

const char* const kInputTip = QT_TRANSLATE_NOOP(
    "vantrel::CConverterDlg",
    "Enter your value in the Input Box :\r\n\r\nas Decimal, e.g. 1.75\r\nas Exponent, e.g. "
    "1.2e-5\r\nas Partial Fraction, e.g. 7/8  or\r\nas Mixed Fraction, e.g. 2+3/4  (for 2¾).");
const char* const kInvertTip = QT_TRANSLATE_NOOP(
    "vantrel::CConverterDlg", "Click on the icon to invert currently selected units");
const char* const kError = QT_TRANSLATE_NOOP("vantrel::CConverterDlg", "Error");
constexpr int kTipTime = 30000;
constexpr int kTipWidth = 640;
constexpr int kLogoWidth = 250;
constexpr int kLogoHeight = 57;
constexpr int kInvertSide = 32;
constexpr int kStartPosition = 150;
// A window that is not painted (started on another desktop, say) finishes
// its start after this long all the same: the start's write is not held
// back, nor the writes that would join it.
constexpr int kFinishStartMs = 1000;

// The settings file keeps a selection as the index it has in the list in
// English, the order of the names themselves, so that a file written in one
// language means the same in another.
template <class List>
QStringList KeysOf(const List& list) {
  QStringList keys;
  for (int row = 0; row < list.GetCount(); ++row) keys << list.GetKey(row);
  return keys;
}

template <class List>
int StoredIndex(const List& list, int row) {
  if (row < 0) return row;
  const std::vector<int> order = ListOrder(KeysOf(list));
  return static_cast<int>(std::find(order.begin(), order.end(), row) - order.begin());
}

// The row of a stored index; one the list does not have stays as it is, for
// the list to refuse.
template <class List>
int ShownRow(const List& list, int stored) {
  if (stored < 0 || stored >= list.GetCount()) return stored;
  return ListOrder(KeysOf(list))[stored];
}

}  // namespace

CConverterDlg::CConverterDlg(AppContext& context, QWidget* parent)
    : TemplateDialog(context.templates, ids::kMainDialog, context.dialogFont, parent),
      context_(context),
      catalogue_(context.catalogue),
      logo_(context.shell),
      invert_(context.shell) {}

CConverterDlg::~CConverterDlg() {
  // Start writes still waiting go now; there is no window left to report on.
  context_.profile.SetProblemHandler(nullptr);
  startWrites_.reset();
  // The controls outlive this part of the window: none may call back into it.
  for (QObject* child : children()) child->disconnect(this);
}

void CConverterDlg::OnBeforeCreate() {
  // The dialog font is read as the window is about to exist; the menu font
  // follows it even when the dialogs keep their own. The file is read once
  // for the whole start.
  startSettings_ = context_.profile.TakeSnapshot();
  context_.dialogFont =
      KitFontOf(ReadDialogFont(*startSettings_, SettingsFontOf(context_.dialogFont)));
  // An earlier run may have stored a face with its foundry's tag.
  context_.dialogFont.face =
      FontFamilyOf(QString::fromStdString(context_.dialogFont.face)).toStdString();
  context_.menuFont = DialogFontOf(context_.dialogFont);
}

void CConverterDlg::OnInitDialog() {
  AddRoutes({
      {ids::kCategoryList, Notification::kSelChange, [this] { OnSelectCategory(); }},
      {ids::kInputUnitList, Notification::kSelChange, [this] { ComputeResult(); }},
      {ids::kOutputUnitList, Notification::kSelChange, [this] { ComputeResult(); }},
      {ids::kInputBox, Notification::kChanged, [this] { ComputeResult(); }},
      {ids::kInvertIcon, Notification::kClicked, [this] { OnInvertUnits(); }},
      {ids::kLogo, Notification::kClicked, [this] { OpenHomePage(); }},
  });

  SetItemText(ids::kInputBox, inputText_);
  SetItemText(ids::kOutputBox, outputText_);
  context_.profile.SetProblemHandler(
      [this](const FileProblem& problem) { ReportSettingsProblem(problem); });
  LoadSettings();
  FillCategoryCombo();
  SelectRememberedCategory();
  OnSelectCategory();
  ListBox* from = ListBoxItem(ids::kInputUnitList);
  ListBox* to = ListBoxItem(ids::kOutputUnitList);
  from->SetCurSel(ShownRow(*from, lastUnitFrom_));
  to->SetCurSel(ShownRow(*to, lastUnitTo_));
  ShowStartChoice();
  ComputeResult();
  PlaceLogo();
  logo_.LoadFromResource(ids::kBannerGif, kGifResource);
  invert_.LoadFromResource(ids::kInvertGif, kGifResource);
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
  ShowAtStart();
  QTimer::singleShot(kFinishStartMs, this, &CConverterDlg::FinishStart);
  DropDownItem(ids::kCategoryList)->setFocus();
  if (const FileProblem& problem = startSettings_->ReadProblem()) ReportSettingsProblem(problem);
  startSettings_.reset();
  if (!context_.untrustedRoot.empty()) {
    //: %1 names the settings file passed over and why, in English as the
    //: command line says it: settings file "PATH" is not trusted: REASON; "PATH" is used instead
    ShowErrorLater(tr("The %1.\n\nA settings file at the top of a drive is used only when that "
                      "folder and the file are yours and nobody else may change them.")
                       .arg(QString::fromStdString(std::exchange(context_.untrustedRoot, {}))));
  }
}

void CConverterDlg::LoadSettings() {
  // Opening writes every category's visibility back: the start's writes wait
  // in one batch.
  startWrites_.emplace(context_.profile);
  std::vector<CustomUnitEntry> skipped;
  context_.preferences = OpenCatalogue(catalogue_, *startSettings_, &skipped);
  if (!skipped.empty()) ReportUnusableUnits(skipped);
  lastCategory_ = context_.preferences.lastCategory;
  lastUnitTo_ = context_.preferences.lastUnitTo;
  lastUnitFrom_ = context_.preferences.lastUnitFrom;
}

void CConverterDlg::SelectRememberedCategory() {
  // An index the list does not have (a hand-edited file, or the -1 of a close
  // without a selection) would open the window with empty lists, and be
  // stored again: the first category stands in for it.
  DropDownList* categories = DropDownItem(ids::kCategoryList);
  const bool known = lastCategory_ >= 0 && lastCategory_ < categories->GetCount();
  categories->SetCurSel(known ? ShownRow(*categories, lastCategory_) : 0);
}

void CConverterDlg::ShowStartChoice() {
  const StartChoice choice = std::exchange(context_.start, {});
  if (choice == StartChoice{}) return;
  DropDownList* categories = DropDownItem(ids::kCategoryList);
  ListBox* from = ListBoxItem(ids::kInputUnitList);
  ListBox* to = ListBoxItem(ids::kOutputUnitList);
  const int shown = categories->GetCurSel();
  const StartSelection start = ResolveStartChoice(
      choice, catalogue_,
      shown < 0 ? nullptr : catalogue_.FindCategory(categories->GetKey(shown).toStdString()));
  if (start.category) {
    categories->SetCurSel(categories->FindKey(QString::fromStdString(start.category->Name())));
    OnSelectCategory();
  }
  if (start.from) from->SetCurSel(from->FindKey(QString::fromStdString(start.from->name)));
  if (start.to) to->SetCurSel(to->FindKey(QString::fromStdString(start.to->name)));
  if (start.category || start.from || start.to) startSelection_ = Selection();
  if (start.value) SetItemText(ids::kInputBox, *start.value);
  if (!start.problems.isEmpty()) ShowErrorLater(start.problems.join(QLatin1Char('\n')));
}

std::array<int, 3> CConverterDlg::Selection() const {
  const DropDownList& categories = *DropDownItem(ids::kCategoryList);
  const ListBox& from = *ListBoxItem(ids::kInputUnitList);
  const ListBox& to = *ListBoxItem(ids::kOutputUnitList);
  return {StoredIndex(categories, categories.GetCurSel()), StoredIndex(from, from.GetCurSel()),
          StoredIndex(to, to.GetCurSel())};
}

bool CConverterDlg::event(QEvent* event) {
  if (event->type() == QEvent::Paint && !painted_) {
    painted_ = true;
    QTimer::singleShot(0, this, &CConverterDlg::FinishStart);
  }
  return TemplateDialog::event(event);
}

void CConverterDlg::FinishStart() {
  if (started_) return;
  started_ = true;
  setWindowIcon(LoadIconResource(ids::kAppIcon));
  PictureItem(ids::kLogo)->setCursor(LoadCursorResource(ids::kHandCursor));
  CreateToolTips();
  // Its frame is known now that it is on the screen.
  KeepOnScreen(*this);
  startWrites_.reset();
}

void CConverterDlg::ReportSettingsProblem(const FileProblem& problem) {
  if (context_.settingsProblemReported) return;
  context_.settingsProblemReported = true;
  // A file near the size limit takes the changes that keep it below.
  const QString consequence =
      problem.kind == FileProblem::Kind::kWouldBeTooLarge
          ? tr("The converter goes on, and saves no change that would take the file past 16 MB.")
          : tr("The converter goes on with the default settings and what it could read, and "
               "cannot save changes while this lasts.");
  //: %1 is what is wrong with the settings file, in English as the
  //: command line says it: settings file "PATH" cannot be read: REASON;
  //: %2 what the converter does about it
  const QString text =
      tr("The %1.\n\n%2")
          .arg(QString::fromStdString(SettingsProblemText(context_.profile.File(), problem)),
               consequence);
  // A failing write may sit deep inside an operation: the box waits for the
  // event loop, except on the way out, where there is no later.
  if (closing_) {
    ShowError(text);
  } else {
    ShowErrorLater(text);
  }
}

void CConverterDlg::ReportUnusableUnits(const std::vector<CustomUnitEntry>& skipped) {
  //: %1 names the units as the file has them: "NAME" in "CATEGORY" (coefficient "TEXT")
  const QString text =
      tr("The settings file gives these custom units a coefficient that defines no unit (0, "
         "below 0, not a number, or beyond the range of numbers the converter holds): %1.\n\n"
         "They are left out, and stay in the file until it is edited.")
          .arg(QString::fromStdString(NameUnusableUnits(skipped)));
  ShowErrorLater(text);
}

void CConverterDlg::ShowError(const QString& text) {
  context_.shell.MessageBox(this, tr(kError), text, MessageIcon::kExclamation);
}

void CConverterDlg::ShowErrorLater(const QString& text) {
  // Said once the window is there and the event loop runs.
  QTimer::singleShot(0, this, [this, text] { ShowError(text); });
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
  tips_.AddTool(Item(ids::kInputBox), tr(kInputTip));
  tips_.AddTool(Item(ids::kInvertIcon), tr(kInvertTip));
  tips_.SetAutoPopTime(kTipTime);
  tips_.SetMaxTipWidth(kTipWidth);
}

void CConverterDlg::ShowAtStart() {
  setWindowFlag(Qt::WindowStaysOnTopHint, context_.preferences.onTop != 0);
  // At (150, 150), unless that would leave part of it off its screen (a
  // small screen, or large text).
  move(kStartPosition, kStartPosition);
  KeepOnScreen(*this);
  show();
}

void CConverterDlg::FillCategoryCombo() {
  QStringList shown;
  catalogue_.SetCategoryRestart(true);
  while (const CCategory* category = catalogue_.NextCategory()) {
    if (category->Visible() == 1) shown << QString::fromStdString(category->Name());
  }
  DropDownItem(ids::kCategoryList)->ResetContent(CategoryEntries(shown));
}

void CConverterDlg::OnSelectCategory() {
  ListBox* from = ListBoxItem(ids::kInputUnitList);
  ListBox* to = ListBoxItem(ids::kOutputUnitList);
  from->ResetContent();
  to->ResetContent();
  DropDownList* categories = DropDownItem(ids::kCategoryList);
  const int selected = categories->GetCurSel();
  if (selected < 0) return;
  const QString category = categories->GetKey(selected);
  if (!catalogue_.SelectCategory(category.toStdString())) return;
  const std::vector<ListEntry> units = UnitEntries(category, CurrentUnitNames(catalogue_));
  from->ResetContent(units);
  to->ResetContent(units);
  from->SetCurSel(0);
  to->SetCurSel(0);
  if (from->GetCount() == 0) {
    // A category without units yet converts nothing: the last category's
    // result and units go.
    outputText_.clear();
    for (const int id : {ids::kInputUnitLabel, ids::kOutputUnitLabel, ids::kOutputBox})
      SetItemText(id, {});
    tips_.UpdateTipText(Item(ids::kOutputBox), {});
    return;
  }
  ComputeResult();
}

void CConverterDlg::ComputeResult() {
  const ListBox* from = ListBoxItem(ids::kInputUnitList);
  const ListBox* to = ListBoxItem(ids::kOutputUnitList);
  const int inputIndex = from->GetCurSel();
  const int outputIndex = to->GetCurSel();
  CCategory* category = catalogue_.CurrentCategory();
  if (inputIndex < 0 || outputIndex < 0 || !category) return;
  // Once the user has chosen another selection, it is the user's.
  if (startSelection_ && *startSelection_ != Selection()) startSelection_.reset();
  const std::string inputUnit = from->GetKey(inputIndex).toStdString();
  const std::string outputUnit = to->GetKey(outputIndex).toStdString();
  category->SelectInputUnit(inputUnit);
  category->SelectOutputUnit(outputUnit);
  inputText_ = ItemText(ids::kInputBox);

  QString errorTip;
  outputText_.clear();
  if (category->InputUnit() && category->OutputUnit()) {
    // The help a keyword asks for comes here rather than to a console the
    // window does not have.
    std::string help;
    const auto outcome = [&] {
      const ScopedValue<expr::MathSink> helpHere(context_.math.help, expr::MathSink(help));
      return ConvertInput(context_.math, inputText_.toStdString(), *category,
                          *category->InputUnit(), *category->OutputUnit(), catalogue_.Format(), 1);
    }();
    // The window shows what a result it has, also an infinite one or the
    // value of a help keyword; an error says why in the box's tip, and a
    // help keyword shows the help there.
    outputText_ = QString::fromStdString(outcome.value);
    // The evaluator's reason stays in its own words, as the command line
    // gives it.
    if (outcome.error == InputProblem::kError) {
      outputText_ = tr(kError);
      errorTip = QString::fromStdString(outcome.message);
    }
    if (outcome.error == InputProblem::kHelp) errorTip = QString::fromUtf8(help).trimmed();
  }

  // The labels name the units as the lists show them.
  QString inputLabel = from->GetText(inputIndex);
  QString outputLabel = to->GetText(outputIndex);
  if (context_.preferences.showAbbreviation == 1) {
    const QString categoryName = QString::fromStdString(category->Name());
    const auto symbol = [&categoryName](const CUnit& unit) {
      return QStringLiteral(" \r\n") +
             SymbolDisplayName(categoryName, QString::fromStdString(unit.abbreviation));
    };
    if (const CUnit* unit = category->InputUnit()) inputLabel += symbol(*unit);
    if (const CUnit* unit = category->OutputUnit()) outputLabel += symbol(*unit);
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
  const std::array<int, 3> shown = Selection();
  // What the start options chose only shows: the stored selection stays.
  if (startSelection_ == shown) return;
  const auto [category, unitFrom, unitTo] = shown;
  WriteLastSelection(context_.profile, category, unitTo, unitFrom);
}

void CConverterDlg::closeEvent(QCloseEvent* event) {
  if (Item(ids::kCategoryList)) {
    closing_ = true;
    // One replace of the file, with the start's writes if they still wait.
    SaveLastSelection();
    startWrites_.reset();
    closing_ = false;
  }
  TemplateDialog::closeEvent(event);
}

void CConverterDlg::OpenHomePage() {
  if (!context_.homePage.isEmpty()) context_.shell.OpenAddress(context_.homePage);
}

}  // namespace vantrel
