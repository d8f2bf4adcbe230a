// vantrel-search: the unit converter in the desktop's search, a D-Bus
// service without a window, started by D-Bus activation.
#include <unistd.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "search/GnomeSearchProvider.h"
#include "search/KRunnerRunner.h"
#include "search/KRunnerTypes.h"
#include "search/SearchService.h"
#include "search/ServiceOptions.h"

namespace {

char** savedArgv = nullptr;

bool IsSet(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

// Qt ends the process when the display it is given cannot be opened (a
// DISPLAY left over from an ended session). The service then starts again
// as itself without a display: it answers searches and copies nothing.
void RestartWithoutDisplay(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type != QtFatalMsg) {
    std::fprintf(stderr, "%s\n", qPrintable(message));
    return;
  }
  std::fputs(
      "vantrel-search: the display cannot be opened; going on without one, so copying to "
      "the clipboard is off\n",
      stderr);
  ::unsetenv("DISPLAY");
  ::unsetenv("WAYLAND_DISPLAY");
  ::execv("/proc/self/exe", savedArgv);
  std::_Exit(1);
}

// A process with a display has a clipboard to copy to; one without answers
// searches all the same.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv) {
  if (!IsSet("DISPLAY") && !IsSet("WAYLAND_DISPLAY"))
    return std::make_unique<QCoreApplication>(argc, argv);
  savedArgv = argv;
  const QtMessageHandler previous = qInstallMessageHandler(&RestartWithoutDisplay);
  auto application = std::make_unique<QGuiApplication>(argc, argv);
  qInstallMessageHandler(previous);
  return application;
}

}  // namespace

int main(int argc, char** argv) {
  using vantrel::search::ServiceOptions;
  ServiceOptions options;
  std::string error;
  if (!vantrel::search::ParseServiceOptions({argv + 1, argv + argc}, options, error)) {
    std::fprintf(stderr, "vantrel-search: %s\n%s", error.c_str(), vantrel::search::kServiceUsage);
    return 2;
  }
  if (options.mode == ServiceOptions::Mode::kHelp) {
    std::fputs(vantrel::search::kServiceUsage, stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
  }
  if (options.mode == ServiceOptions::Mode::kVersion) {
    std::puts("vantrel-search " VANTREL_VERSION);
    return std::fflush(stdout) == 0 ? 0 : 1;
  }

  const std::unique_ptr<QCoreApplication> application = MakeApplication(argc, argv);
  vantrel::search::RegisterSearchTypes();
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) {
    std::fprintf(stderr, "vantrel-search: cannot connect to the session bus: %s\n",
                 qPrintable(bus.lastError().message()));
    return 1;
  }
  vantrel::search::SearchService service(options.idle, bus);
  new vantrel::search::GnomeSearchProvider(&service);
  new vantrel::search::KRunnerRunner(&service);
  // The object is there before the name: D-Bus hands the call that started
  // the process over as soon as the name is taken.
  if (!bus.registerObject(QString::fromLatin1(vantrel::search::kObjectPath), &service,
                          QDBusConnection::ExportAdaptors)) {
    std::fprintf(stderr, "vantrel-search: cannot register %s: %s\n", vantrel::search::kObjectPath,
                 qPrintable(bus.lastError().message()));
    return 1;
  }
  if (!bus.registerService(QString::fromLatin1(vantrel::search::kBusName))) {
    std::fprintf(stderr, "vantrel-search: cannot take the name %s: %s\n", vantrel::search::kBusName,
                 qPrintable(bus.lastError().message()));
    return 1;
  }
  return application->exec();
}
