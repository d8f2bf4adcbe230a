// The converter window on the offscreen platform: one recomputation as a
// keystroke causes it, a whole start of the window, and a start on settings
// files far larger than any the program writes.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <fstream>
#include <string>

#include "UiBenchSupport.h"
#include "platform/NumberText.h"
#include "ui/ConverterDlg.h"
#include "ui/ResourceIds.h"

namespace vantrel {
namespace {

using bench::Window;

void ComputeOn(benchmark::State& state, const QString& input) {
  Window window;
  CConverterDlg dialog(window.context);
  dialog.Create();
  dialog.SetItemText(ids::kInputBox, input);
  for (auto _ : state) {
    dialog.ComputeResult();
    benchmark::DoNotOptimize(dialog.ItemText(ids::kOutputBox));
  }
}

void BM_ComputeResultNumber(benchmark::State& state) { ComputeOn(state, QStringLiteral("12.5")); }
BENCHMARK(BM_ComputeResultNumber);

void BM_ComputeResultHelpExample(benchmark::State& state) {
  ComputeOn(state, QStringLiteral("sin(-50.01+x^(sin(y/21.11)-(cos(t)^z)^3.11))-exp(1e-0.6)+x-y*z/"
                                  "t-0010.0100"));
}
BENCHMARK(BM_ComputeResultHelpExample);

// Construction, initialisation (the settings read and the visibility of every
// category written) and showing; then closing and destroying.
void BM_ConstructAndShowMainDialog(benchmark::State& state) {
  Window window;
  for (auto _ : state) {
    CConverterDlg dialog(window.context);
    dialog.Create();
    QApplication::processEvents();
    state.PauseTiming();
    dialog.close();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ConstructAndShowMainDialog)->Unit(benchmark::kMillisecond);

// The peak resident memory of this process once a window has started (run
// before the large settings files below raise it).
void BM_PeakMemoryAfterStart(benchmark::State& state) {
  Window window;
  CConverterDlg dialog(window.context);
  dialog.Create();
  QApplication::processEvents();
  for (auto _ : state) benchmark::DoNotOptimize(dialog.isVisible());
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) {
      state.counters["peak_kB"] = static_cast<double>(ParseLong(line.c_str() + 6));
    }
  }
}
BENCHMARK(BM_PeakMemoryAfterStart)->Iterations(1);

// A start up to the end of what follows the first paint (the start's write
// included), on a settings file put back before each run: 0, 100,000
// custom-unit entries in 3 MB; 1, one line of 10 MB.
void BM_StartOnLargeSettingsFile(benchmark::State& state) {
  std::string text = "[Settings]\nRememberLast=1\n";
  if (state.range(0) == 0) {
    text += "[CustomUnits]\n";
    char line[64];
    for (int i = 0; i < 100000; ++i) {
      std::snprintf(line, sizeof line, "unit%06d=@Data?val=1.5?i=0\n", i);
      text += line;
    }
  } else {
    text += "Note=" + std::string(10 << 20, 'x') + "\n";
  }
  Window window;
  const std::filesystem::path file = window.context.profile.File();
  for (auto _ : state) {
    state.PauseTiming();
    std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
    state.ResumeTiming();
    CConverterDlg dialog(window.context);
    dialog.Create();
    while (dialog.windowIcon().isNull()) QApplication::processEvents();
    state.PauseTiming();
    dialog.close();
    state.ResumeTiming();
  }
  state.counters["file_MB"] = static_cast<double>(text.size()) / (1 << 20);
}
BENCHMARK(BM_StartOnLargeSettingsFile)
    ->ArgName("tenMegabyteLine")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

}  // namespace
}  // namespace vantrel
