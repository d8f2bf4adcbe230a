// The evaluator's number type and working size. The evaluator is a library of
// free functions over 8-bit text; a span is a pointer into such text and a
// length, never terminated. Every evaluating routine takes the caller's error
// code by reference and clears it on entry, so a caller sees the code left by
// the last routine that ran. `diagnostics` nonzero writes a block per error.
#pragma once

namespace vantrel::expr {

using ME_TYPE = double;

// Size of the working buffers: an expression is accepted when it is shorter.
inline constexpr int MX_MATH_EXPRESSION_LENGTH = 1024;

}  // namespace vantrel::expr
