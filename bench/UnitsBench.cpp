// The catalogue's hot paths: building the whole built-in catalogue and
// loading a settings file into it (once per start), and one conversion with
// formatting (once per keystroke).
#include <benchmark/benchmark.h>

#include "SettingsFile.h"
#include "platform/Profile.h"
#include "units/BuiltinCatalogue.h"
#include "units/InputConversion.h"
#include "units/NumberBase.h"
#include "units/StoredCatalogue.h"
#include "units/UnitCatalogue.h"

namespace {

void BM_BuildBuiltinCatalogue(benchmark::State& state) {
  for (auto _ : state) {
    vantrel::CUnitCatalogue catalogue;
    vantrel::BuildBuiltinCatalogue(catalogue);
    benchmark::DoNotOptimize(catalogue.Categories().size());
  }
}
BENCHMARK(BM_BuildBuiltinCatalogue)->Unit(benchmark::kMicrosecond);

// A start's read of a file with that many custom categories, each with its
// visibility flag: both programs load it so.
void BM_LoadCustomCategories(benchmark::State& state) {
  std::string text = "[CustomCategories]\n";
  std::string flags = "[Visibility]\n";
  for (int i = 0; i < state.range(0); ++i) {
    text += "category " + std::to_string(i) + "=\n";
    flags += "category " + std::to_string(i) + "=1\n";
  }
  const vantrel::bench::SettingsFile file(text + flags);
  for (auto _ : state) {
    vantrel::CUnitCatalogue catalogue;
    vantrel::OpenCatalogue(catalogue, vantrel::Profile::Snapshot(file.Path()));
    benchmark::DoNotOptimize(catalogue.Categories().size());
  }
}
BENCHMARK(BM_LoadCustomCategories)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond);

void BM_ConvertWithFormatting(benchmark::State& state) {
  vantrel::CUnitCatalogue catalogue;
  vantrel::BuildBuiltinCatalogue(catalogue);
  catalogue.Format().mode = static_cast<vantrel::ResultMode>(state.range(0));
  catalogue.SelectCategory("Temperature");
  catalogue.CurrentCategory()->SelectInputUnit("degree Celsius");
  catalogue.CurrentCategory()->SelectOutputUnit("degree Fahrenheit");
  double value = 100.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(catalogue.Convert(value));
    value += 0.25;
  }
}
// Automatic, scientific and fixed format.
BENCHMARK(BM_ConvertWithFormatting)->Arg(0)->Arg(1)->Arg(2);

// The whole road of one keystroke but the window: evaluation, conversion and
// formatting.
void BM_ConvertInput(benchmark::State& state) {
  vantrel::CUnitCatalogue catalogue;
  vantrel::BuildBuiltinCatalogue(catalogue);
  const vantrel::CCategory& category = *catalogue.FindCategory("Temperature");
  const vantrel::CUnit& from = *category.FindUnit("degree Celsius");
  const vantrel::CUnit& to = *category.FindUnit("degree Fahrenheit");
  vantrel::expr::MathContext math;
  for (auto _ : state)
    benchmark::DoNotOptimize(
        vantrel::ConvertInput(math, "12.5", category, from, to, catalogue.Format(), 0));
}
BENCHMARK(BM_ConvertInput);

void BM_ConvertNumberBase(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(
        vantrel::ConvertNumberBase("-7fffffff", "base-16 (hexadecimal)", "base-02 (binary)"));
}
BENCHMARK(BM_ConvertNumberBase);

}  // namespace
