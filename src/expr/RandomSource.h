// The evaluator's own pseudo-random source behind rand: one 32-bit state for
// the process, 1 at start and never reseeded, so every run draws the same
// sequence.
#pragma once

namespace vantrel::expr {

// Advances the state (x 214013 + 2531011, modulo 2^32) and returns its bits
// 16 to 30: an integer from 0 to 32767.
int next_math_random();

// Puts the state back to its value at process start.
void reset_math_random();

}  // namespace vantrel::expr
