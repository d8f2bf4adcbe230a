// Integer conversion between number bases 2 to 36 for the "Numbers" category,
// whose unit names carry the base ("base-16 (hexadecimal)").
#pragma once

#include <string>
#include <string_view>

namespace vantrel {

// The text a conversion shows when it has no result.
inline constexpr std::string_view kConversionError = "Error";

// "Error" for a base outside 2 to 36 or a value outside the signed 32-bit
// range. Reading stops at the first character that is not a digit of the input
// base. Negative values are written as 32-bit two's complement in every base
// but 10.
std::string ConvertNumberBase(std::string_view input, std::string_view inputUnit,
                              std::string_view outputUnit);

// The base a unit name stands for: the number after the first "-", ignoring
// everything from the first "(" on; 0 when there is none.
int BaseOfUnitName(std::string_view unitName);

}  // namespace vantrel
