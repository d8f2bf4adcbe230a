// Conversion of a double to a 32-bit integer toward zero that is defined for
// every input: the geodetic functions accept any number a user types, and a
// plain cast of a value beyond the int range (or of a NaN) is undefined.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace vantrel {

// Toward zero; NaN gives 0; beyond the range saturates at +-INT32_MAX (never
// INT32_MIN, so that negating the result is always safe).
inline std::int32_t TruncateToInt(double value) {
  constexpr double kLimit = std::numeric_limits<std::int32_t>::max();
  if (std::isnan(value)) return 0;
  if (value >= kLimit) return std::numeric_limits<std::int32_t>::max();
  if (value <= -kLimit) return -std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(value);
}

}  // namespace vantrel
