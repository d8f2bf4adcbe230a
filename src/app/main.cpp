// The converter window's program.
#include <QApplication>
#include <cstdio>

#ifdef VANTREL_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>

#include <thread>
#endif

#include "app/ConverterApp.h"
#include "platform/AtomicFile.h"

int main(int argc, char** argv) {
  if (!vantrel::CConverterApp::DisplayAvailable()) {
    std::fputs(
        "vantrel: no display is available (DISPLAY and WAYLAND_DISPLAY are not set, or DISPLAY "
        "names no reachable X server), so the window cannot open.\nStart it on a desktop, or "
        "under xvfb-run; vantrel-convert works without one.\n",
        stderr);
    return 1;
  }
  vantrel::IgnoreFileSizeSignal();
#ifdef VANTREL_HAVE_FONTCONFIG
  // The font configuration takes milliseconds to load, and the window's
  // first layout needs it: it loads on a second thread while Qt starts.
  std::thread fonts([] { FcInit(); });
  QApplication application(argc, argv);
  fonts.join();
#else
  QApplication application(argc, argv);
#endif
  QApplication::setApplicationName(QStringLiteral("Vantrel Unit Converter"));
  QApplication::setDesktopFileName(QStringLiteral("vantrel"));
  vantrel::CConverterApp converter;
  converter.InitInstance();
  return 0;
}
