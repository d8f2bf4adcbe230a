// The one-line query as the desktop search asks it, on every keystroke, in a
// session already built: a conversion, a compound value, a typo (close names
// searched) and text that is no query at all.
#include <benchmark/benchmark.h>

#include <string>

#include "cli/Query.h"

namespace vantrel::cli {
namespace {

void Answer(benchmark::State& state, const char* text) {
  expr::MathContext quiet(expr::MathSink{}, expr::MathSink{});
  Session session({}, quiet);
  for (auto _ : state) benchmark::DoNotOptimize(AnswerQuery(session, text));
}

void BM_QueryAnswer(benchmark::State& state) { Answer(state, "100 mi in km"); }
BENCHMARK(BM_QueryAnswer)->Unit(benchmark::kMicrosecond);

void BM_QueryCompound(benchmark::State& state) { Answer(state, "5 ft 3 in to cm"); }
BENCHMARK(BM_QueryCompound)->Unit(benchmark::kMicrosecond);

void BM_QueryUnknownTarget(benchmark::State& state) { Answer(state, "100 mi in kilometr"); }
BENCHMARK(BM_QueryUnknownTarget)->Unit(benchmark::kMicrosecond);

void BM_QueryNotAQuery(benchmark::State& state) { Answer(state, "what is love"); }
BENCHMARK(BM_QueryNotAQuery)->Unit(benchmark::kMicrosecond);

// A number and words that name no unit: read, looked up, no answer.
void BM_QueryNoUnit(benchmark::State& state) { Answer(state, "5 apples and 3 pears"); }
BENCHMARK(BM_QueryNoUnit)->Unit(benchmark::kMicrosecond);

// A fresh session's first query: the catalogue built and the units looked
// up through it, as a search service started for that query answers.
void BM_QueryInNewSession(benchmark::State& state) {
  for (auto _ : state) {
    expr::MathContext quiet(expr::MathSink{}, expr::MathSink{});
    Session session({}, quiet);
    benchmark::DoNotOptimize(AnswerQuery(session, "100 mi in km"));
  }
}
BENCHMARK(BM_QueryInNewSession)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantrel::cli
