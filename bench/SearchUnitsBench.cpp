// The find dialog offscreen: opening it on the built-in catalogue, and one
// keystroke's refilter of its list, with and without 10,000 custom units.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <optional>
#include <string>

#include "UiBenchSupport.h"
#include "ui/ResourceIds.h"
#include "ui/SearchUnits.h"
#include "ui/kit/ListBox.h"
#include "units/BuiltinCatalogue.h"
#include "units/UnitCatalogue.h"

namespace vantrel {
namespace {

// The built-in catalogue and that many custom units, spread over its
// categories, in the context as the main window leaves it.
struct Catalogue {
  explicit Catalogue(bench::Window& window, int customUnits) : catalogue(window.context.catalogue) {
    BuildBuiltinCatalogue(catalogue);
    std::vector<std::string> categories;
    for (const auto& [name, category] : catalogue.Categories()) categories.push_back(name);
    for (int i = 0; i < customUnits; ++i) {
      catalogue.SelectCategory(categories[i % categories.size()]);
      catalogue.AddUnit("custom unit " + std::to_string(i), " ", 1.0 + i, 0, 0, 1, 0);
    }
  }
  CUnitCatalogue& catalogue;
};

// Construction, the entries read and sorted, the list filled, and the first
// paint; closing is not timed.
void BM_OpenFind(benchmark::State& state) {
  bench::Window window;
  Catalogue catalogue(window, static_cast<int>(state.range(0)));
  std::optional<CSearchUnits> dialog;
  for (auto _ : state) {
    dialog.emplace(window.context);
    dialog->Create();
    dialog->show();
    QApplication::processEvents();
    state.PauseTiming();
    dialog.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenFind)->ArgName("customUnits")->Arg(0)->Arg(10000)->Unit(benchmark::kMillisecond);

// One keystroke each: the text changes, the list is refilled and painted.
// everything 0 goes between "mete" and "meter", a typical narrowing; 1
// between "" and " ", where every entry is listed each time.
void BM_FindKeystroke(benchmark::State& state) {
  bench::Window window;
  Catalogue catalogue(window, static_cast<int>(state.range(0)));
  CSearchUnits dialog(window.context);
  dialog.Create();
  dialog.show();
  QApplication::processEvents();
  const bool everything = state.range(1) != 0;
  const QString texts[] = {everything ? QString() : QStringLiteral("mete"),
                           everything ? QStringLiteral(" ") : QStringLiteral("meter")};
  int next = 0;
  for (auto _ : state) {
    dialog.SetItemText(ids::kSearchText, texts[next]);
    QApplication::processEvents();
    next ^= 1;
  }
  state.counters["listed"] = dialog.ListBoxItem(ids::kMatchList)->GetCount();
}
BENCHMARK(BM_FindKeystroke)
    ->ArgNames({"customUnits", "everything"})
    ->ArgsProduct({{0, 10000}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantrel
