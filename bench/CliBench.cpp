// vantrel-convert's batch as a whole run (the catalogue built, the lines read
// and answered), and the answer to a unit name no unit has.
#include <benchmark/benchmark.h>

#include <sstream>
#include <streambuf>
#include <string>

#include "cli/Run.h"
#include "cli/Session.h"

namespace vantrel::cli {
namespace {

constexpr int kLines = 100000;

// Swallows what it is given, as a pipe to /dev/null would.
class NullBuffer final : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// `distinct` different unit names in `kLines` lines; `valid` names real units.
std::string BatchInput(int distinct, bool valid) {
  std::string input;
  for (int i = 0; i < kLines; ++i) {
    const int k = i % distinct;
    input += std::to_string(i % 97 + 1) + '\t';
    input += valid ? (k % 2 ? "foot" : "inch") : "qz" + std::to_string(k) + "xw";
    input += "\tmeter\n";
  }
  return input;
}

void RunBatch(benchmark::State& state, const std::string& input) {
  NullBuffer sink;
  std::ostream out(&sink);
  for (auto _ : state) {
    std::istringstream in(input);
    benchmark::DoNotOptimize(Run({"--batch"}, {}, in, out, out));
  }
  state.SetItemsProcessed(state.iterations() * kLines);  // lines per second
}

// Unknown units: the same 100 typos again and again, then every line its own.
void BM_BatchUnknownUnits(benchmark::State& state) {
  RunBatch(state, BatchInput(static_cast<int>(state.range(0)), false));
}
BENCHMARK(BM_BatchUnknownUnits)->Arg(100)->Arg(kLines)->Unit(benchmark::kMillisecond);

void BM_BatchValidUnits(benchmark::State& state) { RunBatch(state, BatchInput(2, true)); }
BENCHMARK(BM_BatchValidUnits)->Unit(benchmark::kMillisecond);

// One conversion whose unit is a name of 1 MB, in a session already built.
void BM_UnknownUnitMegabyteName(benchmark::State& state) {
  expr::MathContext quiet(expr::MathSink{}, expr::MathSink{});
  Session session({}, quiet);
  const std::string name(1 << 20, 'a');
  std::string result;
  std::string error;
  for (auto _ : state)
    benchmark::DoNotOptimize(session.Convert("1", name, "meter", nullptr, result, error));
}
BENCHMARK(BM_UnknownUnitMegabyteName)->Unit(benchmark::kMillisecond);

// The close-name search over the whole catalogue for one typo.
void BM_CloseNamesForATypo(benchmark::State& state) {
  expr::MathContext quiet(expr::MathSink{}, expr::MathSink{});
  Session session({}, quiet);
  for (auto _ : state)
    benchmark::DoNotOptimize(session.Index().CloseNames("kilometr/huor", nullptr));
}
BENCHMARK(BM_CloseNamesForATypo)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vantrel::cli
