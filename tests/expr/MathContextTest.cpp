// Contexts share nothing: evaluations in two of them on two threads at once
// give what each gives alone.
#include <gtest/gtest.h>

#include <iterator>
#include <latch>
#include <string>
#include <thread>

#include "CapturingContext.h"
#include "expr/Evaluation.h"
#include "platform/NumberText.h"

namespace vantrel::expr {
namespace {

using testing::CapturingContext;

struct Outcome {
  std::string values;  // "value code" a line
  std::string diagnostics;
  std::string help;
};

// Many evaluations in one fresh context: draws of rand, errors whose messages
// are formatted in the context, the bracket check's own lines and the help.
Outcome Work(bool reversed) {
  constexpr const char* kTexts[] = {
      "rand()",     "rand(1,6)+rand_close_open(0,1)",
      "1/0",        "sqrt(-4)",
      "f(1,2,3,4)", "1+1.2.3",
      "2)+(3",      "q",
      "?",          "atan2(rand(),0)",
  };
  constexpr int kCount = static_cast<int>(std::size(kTexts));
  CapturingContext context;
  Outcome outcome;
  for (int round = 0; round < 1000; ++round) {
    for (int i = 0; i < kCount; ++i) {
      ErrorCode code{-1};
      const double value = eval_math_expression_xyzt(
          context.math, kTexts[reversed ? kCount - 1 - i : i], 0, 0, 0, 0, code, 1);
      outcome.values += FormatText("%.17g %d\n", value, static_cast<int>(code));
    }
  }
  outcome.diagnostics = std::move(context.diagnostics);
  outcome.help = std::move(context.help);
  return outcome;
}

TEST(MathContext, TwoThreadsSideBySideGiveWhatEachGivesAlone) {
  const Outcome alone[] = {Work(false), Work(true)};
  Outcome together[2];
  std::latch start(2);
  auto run = [&](int k) {
    start.arrive_and_wait();
    together[k] = Work(k == 1);
  };
  std::thread other(run, 1);
  run(0);
  other.join();
  for (int k = 0; k < 2; ++k) {
    // Compared whole: a difference would print megabytes.
    EXPECT_TRUE(together[k].values == alone[k].values) << "values of thread " << k;
    EXPECT_TRUE(together[k].diagnostics == alone[k].diagnostics) << "diagnostics of thread " << k;
    EXPECT_TRUE(together[k].help == alone[k].help) << "help of thread " << k;
  }
}

}  // namespace
}  // namespace vantrel::expr
