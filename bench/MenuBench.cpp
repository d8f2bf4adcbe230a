// Opening a pop-up of the main window's menu (every item measured and
// painted) and opening the Help window and the About box, offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QMenuBar>
#include <memory>

#include "UiBenchSupport.h"
#include "ui/AboutDlg.h"
#include "ui/HelpDialog.h"
#include "ui/MainMenu.h"
#include "ui/MenuCH.h"

namespace vantrel {
namespace {

void BM_OpenPopup(benchmark::State& state) {
  bench::EnsureApplication();
  QMenuBar bar;
  BuildMainMenu(bar, QFont(QStringLiteral("Verdana"), 8));
  CMenuCH& menu = *MainMenuPopup(bar, static_cast<int>(state.range(0)));
  QImage image(menu.sizeHint(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    // A font change makes the menu measure every item again, as when it opens
    // for the first time.
    QEvent fontChange(QEvent::FontChange);
    QCoreApplication::sendEvent(&menu, &fontChange);
    menu.resize(menu.sizeHint());
    menu.render(&image);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_OpenPopup)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// Construction, initialisation and showing; the closing is not timed.
template <typename Dialog>
void BM_OpenDialog(benchmark::State& state) {
  bench::Window window;
  window.context.homePage = QStringLiteral("/usr/share/doc/vantrel/index.html");
  for (auto _ : state) {
    Dialog dialog(window.context);
    dialog.Create();
    dialog.show();
    QApplication::processEvents();
    state.PauseTiming();
    dialog.close();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenDialog<CHelpDialog>)->Name("BM_OpenHelp")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenDialog<CAboutDlg>)->Name("BM_OpenAbout")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantrel
