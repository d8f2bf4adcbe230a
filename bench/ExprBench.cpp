// Evaluator cost per keystroke and at the worst accepted depth.
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "expr/Evaluation.h"

namespace {

using vantrel::expr::eval_math_expression_xyzt;

void Evaluate(benchmark::State& state, const std::string& text, double x, double y, double z,
              double t) {
  // Diagnostics on, as in the main window; valid inputs write nothing.
  vantrel::expr::MathContext math;
  vantrel::expr::ErrorCode code{};
  for (auto _ : state) {
    benchmark::DoNotOptimize(eval_math_expression_xyzt(math, text.c_str(), x, y, z, t, code, 1));
  }
  if (code != vantrel::expr::kNoError) state.SkipWithError("the expression left an error code");
}

// `piece` `count` times in a row.
std::string Repeated(std::string_view piece, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += piece;
  return text;
}

void BM_ExprNumber(benchmark::State& state) { Evaluate(state, "12.5", 0, 0, 0, 0); }
BENCHMARK(BM_ExprNumber);

void BM_ExprSum(benchmark::State& state) { Evaluate(state, "2+3/4", 0, 0, 0, 0); }
BENCHMARK(BM_ExprSum);

void BM_ExprHelpExample(benchmark::State& state) {
  Evaluate(state, "sin(-50.01+x^(sin(y/21.11)-(cos(t)^z)^3.11))-exp(1e-0.6)+x-y*z/t-0010.0100", 0.1,
           0.2, 0.3, -0.4);
}
BENCHMARK(BM_ExprHelpExample);

void BM_ExprNested511(benchmark::State& state) {
  Evaluate(state, std::string(511, '(') + "1" + std::string(511, ')'), 0, 0, 0, 0);
}
BENCHMARK(BM_ExprNested511);

void BM_ExprNestedFunctions(benchmark::State& state) {
  Evaluate(state, Repeated("sin(", 204) + "0" + std::string(204, ')'), 0, 0, 0, 0);
}
BENCHMARK(BM_ExprNestedFunctions);

// 120 levels of sqrt(1+...) around 1, 961 characters: a level must cost
// what the same pieces cost side by side (BM_ExprFlat961), not a scan of
// everything inside it.
void BM_ExprNestedSqrt120(benchmark::State& state) {
  Evaluate(state, Repeated("sqrt(1+", 120) + "1" + std::string(120, ')'), 0, 0, 0, 0);
}
BENCHMARK(BM_ExprNestedSqrt120);

// The same 120 calls in a row: sqrt(1)+sqrt(1)+...+1, 961 characters.
void BM_ExprFlat961(benchmark::State& state) {
  Evaluate(state, Repeated("sqrt(1)+", 120) + "1", 0, 0, 0, 0);
}
BENCHMARK(BM_ExprFlat961);

void BM_ExprFlat1023(benchmark::State& state) {
  Evaluate(state, "1" + Repeated("+1", 511), 0, 0, 0, 0);
}
BENCHMARK(BM_ExprFlat1023);

}  // namespace
