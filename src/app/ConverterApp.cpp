#include "app/ConverterApp.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdlib>

#ifdef VANTREL_HAVE_XCB
#include <xcb/xcb.h>
#endif

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
  if (IsSet("QT_QPA_PLATFORM") || IsSet("WAYLAND_DISPLAY")) return true;
  if (!IsSet("DISPLAY")) return false;
#ifdef VANTREL_HAVE_XCB
  // A DISPLAY that names no reachable server (a remote shell without X
  // forwarding) would make Qt abort; ask the server first.
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  const bool reachable = xcb_connection_has_error(connection) == 0;
  xcb_disconnect(connection);
  return reachable;
#else
  return true;
#endif
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
