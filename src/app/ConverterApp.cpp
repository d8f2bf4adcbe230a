#include "app/ConverterApp.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <cstdlib>
#include <utility>

#include "settings/SettingsProblem.h"
#include "ui/AppContext.h"
#include "ui/ConverterDlg.h"
#include "ui/DialogTemplates.h"
#include "ui/Translations.h"
#include "ui/kit/Shell.h"

namespace vantrel {
namespace {

bool IsSet(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

// Where the program's data is installed (relative to its folder), then
// where the build tree keeps it beside the program.
QStringList DataFolders(const QString& installed, const QString& built) {
  const QDir programDir(QCoreApplication::applicationDirPath());
  return {programDir.filePath(installed), programDir.filePath(built)};
}

// A document of the program, where it is installed or else in the build tree.
QString LocateDocument(const QString& name) {
  for (const QString& folder :
       DataFolders(QStringLiteral("../share/doc/vantrel"), QStringLiteral("doc"))) {
    const QFileInfo document(QDir(folder).filePath(name));
    if (document.isFile()) return document.canonicalFilePath();
  }
  return {};
}

}  // namespace

bool CConverterApp::DisplayAvailable() {
  return IsSet("QT_QPA_PLATFORM") || IsSet("WAYLAND_DISPLAY") || IsSet("DISPLAY");
}

QString CConverterApp::LocateHomePage() { return LocateDocument(QStringLiteral("index.html")); }

QString CConverterApp::LocateManual() { return LocateDocument(QStringLiteral("manual.pdf")); }

void CConverterApp::InstallLanguage() {
  InstallTranslations(
      QLocale::system().uiLanguages(),
      DataFolders(QStringLiteral("../share/vantrel/translations"), QStringLiteral("translations")));
}

bool CConverterApp::InitInstance(StartChoice start) {
  location_ = LocateSettings();
  DesktopShell shell;
  AppContext context(Profile(location_.settingsPath), shell);
  AddProgramTemplates(context.templates);
  context.homePage = LocateHomePage();
  context.manual = LocateManual();
  context.start = std::move(start);
  context.untrustedRoot = UntrustedRootText(location_);

  CConverterDlg dialog(context);
  shell.SetMainWindow(&dialog);
  dialog.DoModal();
  return false;
}

}  // namespace vantrel
