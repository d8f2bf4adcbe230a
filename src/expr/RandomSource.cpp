#include "expr/RandomSource.h"

#include <cstdint>

namespace vantrel::expr {
namespace {
std::uint32_t g_state = 1;
}  // namespace

int next_math_random() {
  g_state = g_state * 214013u + 2531011u;
  return static_cast<int>((g_state >> 16) & 0x7FFFu);
}

void reset_math_random() { g_state = 1; }

}  // namespace vantrel::expr
