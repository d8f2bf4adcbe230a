// The converter window's program.
#include <QApplication>
#include <cstdio>
#include <optional>
#include <thread>
#include <utility>

#ifdef VANTREL_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

#include "app/ConverterApp.h"
#include "app/DisplayGuard.h"
#include "app/StartOptions.h"
#include "app/StartWarmUp.h"
#include "platform/AtomicFile.h"
#include "ui/kit/DeferredIconStyle.h"

int main(int argc, char** argv) {
  vantrel::StartArguments arguments = vantrel::ReadStartArguments(argc, argv);
  // --help and --version need no display.
  if (const std::optional<int> answered = vantrel::AnswerOwnOption(arguments, stdout)) {
    return std::fflush(stdout) == 0 ? *answered : 1;
  }
  if (!vantrel::CConverterApp::DisplayAvailable()) {
    std::fputs(vantrel::kNoDisplayMessage, stderr);
    return 1;
  }
  vantrel::IgnoreFileSizeSignal();
  // The menus draw their own items, which a desktop-wide menu bar could not
  // show: they stay in the window, and the menu bar need not ask the desktop
  // for one.
  QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
#ifdef VANTREL_HAVE_FONTCONFIG
  // The font configuration takes milliseconds to load, and the window's
  // first layout needs it: it loads on a second thread while Qt starts.
  std::thread fonts([] { FcInit(); });
#endif
  std::optional<vantrel::DisplayGuard> guard(std::in_place);
  // Qt takes what is not the program's own.
  int qtArgc = static_cast<int>(arguments.forQt.size()) - 1;
  QApplication application(qtArgc, arguments.forQt.data());
  guard.reset();
  vantrel::NoteUnknownArguments(arguments, qtArgc);
#ifdef VANTREL_HAVE_FONTCONFIG
  fonts.join();
#endif
  QApplication::setApplicationName(QStringLiteral("Vantrel Unit Converter"));
  QApplication::setDesktopFileName(QStringLiteral("vantrel"));
  QApplication::setStyle(new vantrel::DeferredIconStyle);
  vantrel::CConverterApp::InstallLanguage();
  vantrel::StartWarmUp warmUp;
  vantrel::CConverterApp converter;
  converter.InitInstance(std::move(arguments.choice));
  return 0;
}
