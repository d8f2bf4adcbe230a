// The digits numbers are read with: 0 to 9 alone, never another script's,
// whatever the locale says.
#pragma once

namespace vantrel {

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace vantrel
