// The plain decimal number form that stored coefficients and typed values
// use: optional sign, digits with an optional decimal point, optional
// exponent. Hexadecimal, "inf" and "nan" are not numbers here.
#pragma once

#include <cstddef>
#include <string_view>

namespace vantrel {

// Length of the leading white space and decimal number at the start of the
// text; 0 when the text does not start with one.
std::size_t DecimalPrefixLength(std::wstring_view text);

// The leading decimal number of the text, 0 when there is none.
double ParseDecimalPrefix(std::wstring_view text);

}  // namespace vantrel
