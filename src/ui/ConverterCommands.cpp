// The main window's menu bar, accelerators and command handlers: BuildMenu
// gives each command id its handler.
#include <QMenuBar>
#include <QStandardPaths>

#include "ui/AboutDlg.h"
#include "ui/AppContext.h"
#include "ui/ConverterDlg.h"
#include "ui/HelpDialog.h"
#include "ui/MainMenu.h"
#include "ui/MenuCH.h"
#include "ui/ResourceIds.h"
#include "ui/kit/EditBox.h"
#include "ui/kit/Shell.h"

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

// The tool dialogs' commands: each is connected where its dialog is built.
void CConverterDlg::OnCoordinateConverter() {}
void CConverterDlg::OnFind() {}
void CConverterDlg::OnUnits() {}
void CConverterDlg::OnCategories() {}
void CConverterDlg::OnPreferences() {}

}  // namespace vantrel
