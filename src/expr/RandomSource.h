// The evaluator's own pseudo-random source behind rand: one 32-bit state per
// context, 1 at its start and never reseeded, so every run draws the same
// sequence.
#pragma once

#include "expr/MathContext.h"

namespace vantrel::expr {

// Advances the context's state (x 214013 + 2531011, modulo 2^32) and returns
// its bits 16 to 30: an integer from 0 to 32767.
int next_math_random(MathContext& context);

// Puts the state back to its value at the context's start.
void reset_math_random(MathContext& context);

}  // namespace vantrel::expr
