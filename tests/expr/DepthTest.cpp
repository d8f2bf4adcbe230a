// The deepest and longest accepted inputs, evaluated on a thread with a
// 1 MiB stack: a recursion level must cost far less than 2 KiB of stack.
#include <gtest/gtest.h>
#include <pthread.h>

#include <cmath>
#include <functional>
#include <string>

#include "CapturingContext.h"
#include "expr/Evaluation.h"

namespace vantrel::expr {
namespace {

using testing::CapturingContext;

void RunOnSmallStack(const std::function<void()>& work) {
  pthread_attr_t attributes;
  ASSERT_EQ(pthread_attr_init(&attributes), 0);
  ASSERT_EQ(pthread_attr_setstacksize(&attributes, 1 << 20), 0);
  pthread_t thread;
  auto body = [](void* argument) -> void* {
    (*static_cast<const std::function<void()>*>(argument))();
    return nullptr;
  };
  ASSERT_EQ(pthread_create(&thread, &attributes, body, const_cast<std::function<void()>*>(&work)),
            0);
  pthread_join(thread, nullptr);
  pthread_attr_destroy(&attributes);
}

// `open` repeated while the whole stays within 1023 characters with `core`.
std::string Nest(const std::string& open, const std::string& core, const std::string& close) {
  std::string head, tail;
  while (head.size() + open.size() + core.size() + tail.size() + close.size() <= 1023) {
    head += open;
    tail += close;
  }
  return head + core + tail;
}

std::string Chain(const std::string& first, const std::string& step) {
  std::string text = first;
  while (text.size() + step.size() <= 1023) text += step;
  return text;
}

struct DeepCase {
  std::string text;
  double value;
  int code;
};

TEST(Depth, DeepestAndLongestInputsOnAOneMebibyteStack) {
  const DeepCase cases[] = {
      {Nest("(", "1", ")"), 1, 0},     // 511 nested groups
      {Nest("(", "", ")"), 4, 4},      // 511 groups around nothing
      {Nest("(-", "1", ")"), 1, 0},    // signs at 340 levels
      {Nest("sin(", "0", ")"), 0, 0},  // nested function calls
      {Nest("abs(", "-2", ")"), 2, 0},
      {Nest("max(0,", "3", ")"), 3, 0},    // second argument nests
      {Nest("max(", "3", ",0)"), 3, 0},    // first argument nests
      {Nest("f(", "1", ")"), 10, 10},      // unknown at every level
      {Nest("sqrt(", "-1", ")"), 30, 30},  // a domain error at every level
      {Chain("1", "^1"), 1, 0},            // right association nests 511 levels
      {Chain("0", "+1"), 511, 0},
      {Chain("1", "*1"), 1, 0},
      {Chain("1", "+1*1"), 256, 0},
      {Chain("1", "/0"), 18, 18},
      {std::string(1023, '9'), HUGE_VAL, 13},  // overflows to infinity
      {std::string(1023, '-'), 7, 7},
      {std::string(1023, '.'), 27, 27},
  };
  for (int diagnostics = 0; diagnostics <= 1; ++diagnostics) {
    CapturingContext quiet;
    for (const DeepCase& c : cases) {
      ASSERT_LE(c.text.size(), 1023u);
      double value = 0;
      ErrorCode code{-1};
      RunOnSmallStack([&] {
        value =
            eval_math_expression_xyzt(quiet.math, c.text.c_str(), 0, 0, 0, 0, code, diagnostics);
      });
      if (std::isinf(c.value)) {
        EXPECT_TRUE(std::isinf(value)) << c.text;
      } else {
        EXPECT_EQ(value, c.value) << c.text;
      }
      EXPECT_EQ(static_cast<int>(code), c.code) << c.text;
    }
  }
}

}  // namespace
}  // namespace vantrel::expr
