// The coordinate converter offscreen: one keystroke in a box of each form and
// the recomputation of the other two forms that it causes.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>

#include "UiBenchSupport.h"
#include "ui/Coordinates.h"
#include "ui/ResourceIds.h"

namespace vantrel {
namespace {

void BM_CoordinatesKeystroke(benchmark::State& state) {
  bench::Window window;
  CCoordinates dialog(window.context);
  dialog.Create();
  dialog.show();
  QApplication::processEvents();
  QWidget* box = dialog.Item(static_cast<int>(state.range(0)));
  // A digit typed at the end and taken back, in turn: every keystroke changes
  // the text, so every one recomputes.
  QKeyEvent digit(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, QStringLiteral("1"));
  QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
  bool typed = false;
  for (auto _ : state) {
    QApplication::sendEvent(box, typed ? &backspace : &digit);
    typed = !typed;
  }
  benchmark::DoNotOptimize(dialog.ItemText(ids::kNorthing));
}
BENCHMARK(BM_CoordinatesKeystroke)
    ->Arg(ids::kDecimalLatitude)
    ->Arg(ids::kLatitudeSeconds)
    ->Arg(ids::kNorthing)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vantrel
