// The evaluator's error codes. The numbers are fixed: callers turn them into
// values and vantrel-convert --eval prints them, so never renumber one.
// math_expression_error_message gives each code's text.
#pragma once

namespace vantrel::expr {

inline constexpr int kNoError = 0;
inline constexpr int kUnspecifiedError = 1;  // a report made while the code was still clear
inline constexpr int kWrongSymbol = 2;
inline constexpr int kTooLongExpression = 3;
inline constexpr int kEmptyExpression = 4;
inline constexpr int kWrongExpression = 5;
inline constexpr int kTooManyArguments = 6;
inline constexpr int kEmptyVariable = 7;
inline constexpr int kUnknownFunction = 8;  // never produced
inline constexpr int kUnknownZeroArgumentFunction = 9;
inline constexpr int kUnknownOneArgumentFunction = 10;
inline constexpr int kUnknownTwoArgumentsFunction = 11;  // also for three arguments
inline constexpr int kResultIsNan = 12;
inline constexpr int kResultIsInf = 13;
inline constexpr int kResultIsHugeVal = 14;  // never produced
inline constexpr int kOperatorLast = 15;
inline constexpr int kTwoOperatorsFollow = 16;
inline constexpr int kOperatorFirst = 17;
inline constexpr int kDivideByZero = 18;
inline constexpr int kLeftBracketError = 19;
inline constexpr int kRightBracketError = 20;
inline constexpr int kTooManyRightBrackets = 21;
inline constexpr int kTooManyLeftBrackets = 22;
inline constexpr int kRightBracketNotLast = 23;
inline constexpr int kLeftBracketNotFirst = 24;  // never produced
inline constexpr int kBracketOutOfExpression = 25;
inline constexpr int kTooManyExponents = 26;
inline constexpr int kTooManyPoints = 27;
inline constexpr int kSignBeforeExponent = 28;
inline constexpr int kTooManySigns = 29;
// Domain tests of the function library.
inline constexpr int kSqrtOfNegative = 30;
inline constexpr int kLnOfNonPositive = 31;
inline constexpr int kLog10OfNonPositive = 32;
inline constexpr int kLog2OfNonPositive = 33;
inline constexpr int kCotWhereTanIsZero = 34;
inline constexpr int kSecWhereCosIsZero = 35;
inline constexpr int kCscWhereSinIsZero = 36;
inline constexpr int kAsecOfZero = 37;
inline constexpr int kAcscOfZero = 38;
inline constexpr int kCothWhereTanhIsZero = 39;
inline constexpr int kSechWhereCoshIsZero = 40;
inline constexpr int kCschWhereSinhIsZero = 41;
inline constexpr int kAsinhOfNonPositiveSum = 42;
inline constexpr int kAcoshOfNegativeSquare = 43;
inline constexpr int kAcoshOfNonPositiveSum = 44;
inline constexpr int kAtanhOfOne = 45;
inline constexpr int kAtanhOfNonPositiveRatio = 46;
inline constexpr int kAcothOfZero = 47;
inline constexpr int kAsechOfZero = 48;
inline constexpr int kAcschOfZero = 49;
inline constexpr int kAtan2WithZeroDivisor = 50;
inline constexpr int kAtan2pWithZeroDivisor = 51;

// Codes run from 0 to one below this.
inline constexpr int kErrorCodeCount = 52;

}  // namespace vantrel::expr
