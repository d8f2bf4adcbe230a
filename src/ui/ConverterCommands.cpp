// The main window's menu bar, accelerators and command handlers: BuildMenu
// gives each command id its handler.
#include <QMenuBar>
#include <QStandardPaths>

#include "ui/AboutDlg.h"
#include "ui/AppContext.h"
#include "ui/ConverterDlg.h"
#include "ui/Coordinates.h"
#include "ui/CustomCategories.h"
#include "ui/CustomUnits.h"
#include "ui/HelpDialog.h"
#include "ui/MainMenu.h"
#include "ui/MenuCH.h"
#include "ui/MySheet.h"
#include "ui/ResourceIds.h"
#include "ui/SearchUnits.h"
#include "ui/kit/DropDownList.h"
#include "ui/kit/EditBox.h"
#include "ui/kit/ListBox.h"
#include "ui/kit/Shell.h"
#include "units/ResultCodes.h"

namespace vantrel {
namespace {

// The calculators that Linux desktops ship, tried in this order.
constexpr const char* kCalculators[] = {"gnome-calculator", "kcalc",     "qalculate-gtk",
                                        "galculator",       "mate-calc", "xcalc"};

}  // namespace

void CConverterDlg::BuildMenu() {
  // Every command of the menu and the keys, with its handler.
  const auto command = [this](int id, void (CConverterDlg::*handler)()) {
    return CommandRoute{id, Notification::kClicked, [this, handler] { (this->*handler)(); }};
  };
  AddRoutes({
      command(ids::kCmdLaunchCalculator, &CConverterDlg::OnLaunchCalculator),
      command(ids::kCmdCoordinateConverter, &CConverterDlg::OnCoordinateConverter),
      command(ids::kCmdExit, &CConverterDlg::OnExit),
      command(ids::kCmdCopyOutput, &CConverterDlg::OnCopyOutput),
      command(ids::kCmdFind, &CConverterDlg::OnFind),
      command(ids::kCmdInvertUnits, &CConverterDlg::OnInvertUnits),
      command(ids::kCmdUnits, &CConverterDlg::OnUnits),
      command(ids::kCmdCategories, &CConverterDlg::OnCategories),
      command(ids::kCmdPreferences, &CConverterDlg::OnPreferences),
      command(ids::kCmdContents, &CConverterDlg::OnContents),
      command(ids::kCmdAbout, &CConverterDlg::OnAbout),
      command(ids::kCmdCheckForUpdates, &CConverterDlg::OnCheckForUpdates),
  });
  QMenuBar& bar = *MenuBar();
  BuildMainMenu(bar, context_.menuFont);
  for (int position = 0; CMenuCH* popup = MainMenuPopup(bar, position); ++position) {
    for (QAction* action : popup->actions()) {
      if (const int id = popup->CommandOf(action)) BindCommand(action, id);
    }
  }
  InstallAccelerators(*this, [this](int id) { OnCommand(id); });
}

void CConverterDlg::OnLaunchCalculator() {
  // Started by name and never waited for; without any, nothing happens.
  for (const char* calculator : kCalculators) {
    const QString name = QString::fromLatin1(calculator);
    if (QStandardPaths::findExecutable(name).isEmpty()) continue;
    context_.shell.StartProgram(name);
    return;
  }
}

void CConverterDlg::OnExit() { close(); }

void CConverterDlg::OnCopyOutput() {
  EditBox* output = EditItem(ids::kOutputBox);
  output->SetSel(0, -1);
  context_.shell.SetClipboardText(output->selectedText());
}

void CConverterDlg::OnCheckForUpdates() { OpenHomePage(); }

void CConverterDlg::OnContents() {
  CHelpDialog help(context_, this);
  help.DoModal();
}

void CConverterDlg::OnAbout() {
  CAboutDlg about(context_, this);
  about.DoModal();
}

void CConverterDlg::OnFind() {
  CSearchUnits search(context_, this);
  if (search.DoModal() != kIdOk || search.ChosenIndex() < 0) return;
  if (search.ChoseCoordinates()) {
    OnCoordinateConverter();
    return;
  }
  // By exact name: a prefix search would take a visible "Angle (Solid)" for a
  // hidden "Angle", or "Meter" for "meter".
  const QString& name = search.ChosenCategory();
  DropDownList* categories = DropDownItem(ids::kCategoryList);
  int category = categories->FindKey(name);
  if (category < 0) {
    // Hidden: shown again, also at the next start.
    if (catalogue_.SetCategoryVisibility(name.toStdString(), 1) != result::kDone) return;
    FillCategoryCombo();
    category = categories->FindKey(name);
  }
  categories->SetCurSel(category);
  OnSelectCategory();
  ListBox* from = ListBoxItem(ids::kInputUnitList);
  const int unit = from->FindKey(search.ChosenUnit());
  if (unit < 0) return;
  from->SetCurSel(unit);
  ListBoxItem(ids::kOutputUnitList)->SetCurSel(unit);
  ComputeResult();
}

void CConverterDlg::OnPreferences() {
  CMySheet sheet(context_, this);
  // A new format shows at the next recomputation; only hidden or shown
  // categories are refreshed now.
  if (sheet.DoModal() == kIdOk && sheet.VisiblePage().Changed()) {
    FillCategoryCombo();
    DropDownItem(ids::kCategoryList)->SetCurSel(0);
    OnSelectCategory();
  }
}

// The tool dialogs' commands: each is connected where its dialog is built.
void CConverterDlg::OnCoordinateConverter() {
  CCoordinates coordinates(context_, this);
  coordinates.DoModal();
}

void CConverterDlg::OnUnits() {
  // The dialog works in the catalogue's current category: the window's comes
  // back afterwards, and its lists change only if the dialog changed them.
  const std::string shown = catalogue_.CurrentCategoryName();
  CCustomUnits units(context_, this);
  units.DoModal();
  catalogue_.SelectCategory(shown);
  if (units.LastResult() == result::kDone && units.ChangedCategory() == shown) OnSelectCategory();
}

void CConverterDlg::OnCategories() {
  const std::string shown = catalogue_.CurrentCategoryName();
  CCustomCategories categories(context_, this);
  categories.DoModal();
  if (categories.LastResult() == result::kDone) {
    FillCategoryCombo();
    DropDownItem(ids::kCategoryList)->SetCurSel(0);
    OnSelectCategory();
  } else {
    catalogue_.SelectCategory(shown);
  }
}

}  // namespace vantrel
