// vantrel-convert: the command-line companion of the converter, on the same
// core, for scripting and batch use. It reads the user's settings file and
// never writes it.
#include <iostream>

#include "cli/Run.h"
#include "settings/SettingsLocation.h"
#include "settings/SettingsProblem.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  // The batch flushes by itself when its input runs dry; a tied stream
  // would flush after every line.
  std::cin.tie(nullptr);
  const vantrel::cli::Arguments args(argv + 1, argv + argc);
  const vantrel::SettingsLocation settings = vantrel::LocateSettingsForReading();
  return vantrel::cli::Run(args, settings.settingsPath, std::cin, std::cout, std::cerr,
                           vantrel::UntrustedRootText(settings));
}
