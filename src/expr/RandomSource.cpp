#include "expr/RandomSource.h"

namespace vantrel::expr {

int next_math_random(MathContext& context) {
  context.random_state = context.random_state * 214013u + 2531011u;
  return static_cast<int>((context.random_state >> 16) & 0x7FFFu);
}

void reset_math_random(MathContext& context) { context.random_state = 1; }

}  // namespace vantrel::expr
