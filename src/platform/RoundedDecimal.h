// The short road of WriteDouble (NumberText.h) for the doubles results
// usually are: the value's binary form m·2^q divided by a power of ten in
// 128-bit integer arithmetic and rounded half to even, exactly as printf and
// to_chars round it, without their general machinery.
#pragma once

namespace vantrel {

// `value` as %.*e, %.*f or %.*g (`conversion` 'e', 'f' or 'g') with
// `precision`, exponents of three digits or more, into [first, last): the end
// of the text. Null, having written nothing of use, for what it leaves to
// the general conversion: zero, infinities and NaN, more than 17 significant
// digits, magnitudes whose scaled form does not fit its integers (roughly
// below 1e-15 or above 1e26 in %e and %g), and a buffer of fewer than 64
// characters.
char* WriteRoundedDecimal(char* first, char* last, double value, char conversion, int precision);

}  // namespace vantrel
