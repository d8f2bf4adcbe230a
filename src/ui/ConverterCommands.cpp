// The main window's menu bar, accelerators and command handlers. Each command
// id has one handler in the table of OnCommand.
#include <QMenuBar>
#include <QStandardPaths>

#include "ui/AppContext.h"
#include "ui/ConverterDlg.h"
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

void CConverterDlg::OnCommand(int id) {
  using Handler = void (CConverterDlg::*)();
  struct Route {
    int id;
    Handler handler;
  };
  static constexpr Route kRoutes[] = {
      {ids::kCmdLaunchCalculator, &CConverterDlg::OnLaunchCalculator},
      {ids::kCmdCoordinateConverter, &CConverterDlg::OnCoordinateConverter},
      {ids::kCmdExit, &CConverterDlg::OnExit},
      {ids::kCmdCopyOutput, &CConverterDlg::OnCopyOutput},
      {ids::kCmdFind, &CConverterDlg::OnFind},
      {ids::kCmdInvertUnits, &CConverterDlg::OnInvertUnits},
      {ids::kCmdUnits, &CConverterDlg::OnUnits},
      {ids::kCmdCategories, &CConverterDlg::OnCategories},
      {ids::kCmdPreferences, &CConverterDlg::OnPreferences},
      {ids::kCmdCheckForUpdates, &CConverterDlg::OnCheckForUpdates},
  };
  for (const Route& route : kRoutes) {
    if (route.id == id) {
      (this->*route.handler)();
      return;
    }
  }
}

void CConverterDlg::BuildMenu() {
  menuBar_ = new QMenuBar(this);
  BuildMainMenu(*menuBar_, context_.menuFont);
  for (int position = 0; CMenuCH* popup = MainMenuPopup(*menuBar_, position); ++position) {
    connect(popup, &CMenuCH::Command, this, &CConverterDlg::OnCommand);
  }
  InstallAccelerators(*this, [this](int command) { OnCommand(command); });
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

// The tool dialogs' commands: each is connected where its dialog is built.
void CConverterDlg::OnCoordinateConverter() {}
void CConverterDlg::OnFind() {}
void CConverterDlg::OnUnits() {}
void CConverterDlg::OnCategories() {}
void CConverterDlg::OnPreferences() {}

}  // namespace vantrel
