// Number text for the whole program: printf-style formatting and C-style
// parsing that never depend on the process locale. The decimal separator is
// always a full stop, and exponents always carry a sign and at least three
// digits (1e+010, 1.2345679e+008, 2.12000e+002), whatever the C library does.
//
// Non-finite values print as "inf", "-inf" and "nan" ("INF", "-INF" and "NAN"
// for the upper-case conversions); a NaN never shows a sign.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <string>
#include <string_view>

namespace vantrel {

// printf-style formatting. Supports the flags - + space # 0, width and
// precision (also as *), the length modifiers hh h l ll z j t L and the
// conversions d i u o x X c s e E f F g G p %. %ls and %lc take wide text and
// write it as UTF-8; %n is ignored.
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string VFormatText(const char* format, va_list args);

// The same, into a caller's buffer of `size` bytes: writes at most size - 1
// characters and a terminator; returns the length the whole text would have.
int FormatInto(char* buffer, std::size_t size, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
int VFormatInto(char* buffer, std::size_t size, const char* format, va_list args);

// One double as %.*e, %.*f or %.*g (`conversion` 'e', 'f' or 'g', no flags,
// no width) with the rules above, written into [first, last) without a
// terminator: the end of the text, or null when it does not fit. Room for
// DoubleTextCapacity(precision) characters always suffices.
char* WriteDouble(char* first, char* last, double value, char conversion, int precision);
constexpr std::size_t DoubleTextCapacity(int precision) {
  // Sign, 309 integer digits, point and precision digits of %f, or an
  // exponent; one more for the exponent's third digit.
  return 312 + static_cast<std::size_t>(precision < 0 ? 6 : precision);
}

// strtod in the classic locale: leading white space, an optional sign, the
// longest valid prefix (decimal, hexadecimal, inf, nan); 0 when there is none.
// *end, when given, receives the first character not used (text itself when
// nothing was read).
double ParseDouble(const char* text, const char** end = nullptr);
double ParseDouble(std::string_view text);

// strtol in the classic locale: leading white space, an optional sign, digits
// of the base (0 chooses by prefix as strtol does); 0 when there are none.
// Saturates at the limits of long.
long ParseLong(const char* text, const char** end = nullptr, int base = 10);
long ParseLong(std::string_view text, int base = 10);

// The leading decimal integer of the text as an int (0 when there is none);
// values beyond the int range saturate.
int ParseLeadingInt(std::string_view text);

// The plain decimal form that typed values and stored coefficients use:
// leading white space, an optional sign, digits with at most one point, and
// an exponent only when digits follow its 'e' (and sign), so "2e" reads as 2.
// Hexadecimal, inf and nan are no numbers here. The length of that prefix, 0
// when the text does not start with one.
std::size_t DecimalPrefixLength(std::string_view text);

// The value of that prefix, 0 when there is none.
double ParseDecimalPrefix(std::string_view text);

}  // namespace vantrel
