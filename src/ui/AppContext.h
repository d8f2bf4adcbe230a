// What the program keeps for its whole run and hands to every dialog: the
// settings file, the dialog font values, the preferences read at start, the
// dialog templates, the desktop seams and the catalogue, which the main window
// fills as it starts.
#pragma once

#include <QFont>
#include <QString>
#include <string>

#include "expr/MathContext.h"
#include "platform/Profile.h"
#include "settings/Preferences.h"
#include "ui/StartChoice.h"
#include "ui/kit/DialogTemplateRegistry.h"
#include "ui/kit/PreferredFont.h"
#include "units/UnitCatalogue.h"

namespace vantrel {

// The settings' dialog font as the kit takes it, and back: with "CustomFont"
// on, the face and size replace the templates' fonts.
inline PreferredFont KitFontOf(const DialogFont& font) {
  return {font.customFont != 0, font.name, font.size};
}
inline DialogFont SettingsFontOf(const PreferredFont& font) {
  return {font.replacesTemplateFonts ? 1 : 0, font.face, font.points};
}

class Shell;

struct AppContext {
  AppContext(Profile settings, Shell& desktop) : profile(std::move(settings)), shell(desktop) {
    catalogue.SetProfile(&profile);
  }

  Profile profile;
  Shell& shell;
  DialogTemplateRegistry templates;
  // The settings' dialog font until the main dialog is run; then from the
  // settings when "CustomFont" is on.
  PreferredFont dialogFont = KitFontOf(DialogFont{});
  // Made from the dialog font when the main dialog is run.
  QFont menuFont;
  Preferences preferences;
  // Where the window evaluates what is typed: one random state for the run.
  expr::MathContext math;
  // Writes its changes to `profile`; empty until the main window has
  // initialised.
  CUnitCatalogue catalogue;
  // The page a click on the logo opens: a web address or a document's path.
  QString homePage;
  // The user manual (a PDF document) that the Help dialog opens.
  QString manual;
  // What the command line asks the main window to show as it starts; the
  // window takes it (a later window starts as usual).
  StartChoice start;
  // Whether the window has said that the settings file cannot be used: it
  // says so once per run.
  bool settingsProblemReported = false;
  // Why the settings are not kept at the root of the program's drive, where
  // they would have been (UntrustedRootText); the first window says it.
  std::string untrustedRoot;
};

}  // namespace vantrel
