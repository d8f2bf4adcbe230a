// The program's start: the settings file, then the converter window run
// modally; the process ends when the window closes.
#pragma once

#include <QString>
#include <QStringList>

#include "settings/SettingsLocation.h"
#include "ui/StartChoice.h"

namespace vantrel {

class CConverterApp {
 public:
  // Runs the converter window, showing what the start options choose, and
  // returns false when it has closed: there is nothing left to run after it.
  bool InitInstance(StartChoice start = {});

  const SettingsLocation& Location() const { return location_; }

  // Whether the environment names a display server or a Qt platform. One
  // that cannot be reached is caught as Qt opens it (DisplayGuard).
  static bool DisplayAvailable();

  // The home page document and the user manual installed with the program
  // (or in the build tree); empty when there is none.
  static QString LocateHomePage();
  static QString LocateManual();
  // Speaks the first of the user's languages that it is translated into
  // (LANGUAGE, else LANG), from the translations installed with the program
  // or, in the build tree, beside it; English otherwise.
  static void InstallLanguage();

 private:
  SettingsLocation location_;
};

}  // namespace vantrel
