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

}  // namespace

bool CConverterApp::DisplayAvailable() {
  return IsSet("QT_QPA_PLATFORM") || IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY");
}

QString CConverterApp::LocateHomePage() {
  const QDir programDir(QCoreApplication::applicationDirPath());
  for (const char* relative : {"../share/doc/vantrel/index.html", "doc/index.html"}) {
    const QFileInfo page(programDir.filePath(QString::fromLatin1(relative)));
    if (page.isFile()) return page.canonicalFilePath();
  }
  return {};
}

bool CConverterApp::InitInstance() {
  location_ = LocateSettings();
  DesktopShell shell;
  AppContext context(Profile(location_.settingsPath), shell);
  AddProgramTemplates(context.templates);
  context.homePage = LocateHomePage();

  CConverterDlg dialog(context);
  shell.SetMainWindow(&dialog);
  dialog.DoModal();
  return false;
}

}  // namespace vantrel
