#include "app/ConverterApp.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdlib>

#include "ui/AppContext.h"
#include "ui/ConverterDlg.h"
#include "ui/DialogTemplates.h"
#include "ui/kit/Shell.h"

namespace vantrel {
namespace {

bool IsSet(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

// A document of the program, where it is installed or else beside the
// program in the build tree.
QString LocateDocument(const QString& name) {
  const QDir programDir(QCoreApplication::applicationDirPath());
  for (const QString& folder : {QStringLiteral("../share/doc/vantrel/"), QStringLiteral("doc/")}) {
    const QFileInfo document(programDir.filePath(folder + name));
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

bool CConverterApp::InitInstance() {
  location_ = LocateSettings();
  DesktopShell shell;
  AppContext context(Profile(location_.settingsPath), shell);
  AddProgramTemplates(context.templates);
  context.homePage = LocateHomePage();
  context.manual = LocateManual();

  CConverterDlg dialog(context);
  shell.SetMainWindow(&dialog);
  dialog.DoModal();
  return false;
}

}  // namespace vantrel
