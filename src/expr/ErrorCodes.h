// The evaluator's error codes. The numbers are fixed: callers turn them into
// values and vantrel-convert --eval prints them, so never renumber one.
// math_expression_error_message gives each code's text.
#pragma once

namespace vantrel::expr {

enum class ErrorCode : int {
  kNoError = 0,
  kUnspecifiedError = 1,  // a report made while the code was still clear
  kWrongSymbol = 2,
  kTooLongExpression = 3,
  kEmptyExpression = 4,
  kWrongExpression = 5,
  kTooManyArguments = 6,
  kEmptyVariable = 7,
  kUnknownFunction = 8,  // never produced
  kUnknownZeroArgumentFunction = 9,
  kUnknownOneArgumentFunction = 10,
  kUnknownTwoArgumentsFunction = 11,  // also for three arguments
  kResultIsNan = 12,
  kResultIsInf = 13,
  kResultIsHugeVal = 14,  // never produced
  kOperatorLast = 15,
  kTwoOperatorsFollow = 16,
  kOperatorFirst = 17,
  kDivideByZero = 18,
  kLeftBracketError = 19,
  kRightBracketError = 20,
  kTooManyRightBrackets = 21,
  kTooManyLeftBrackets = 22,
  kRightBracketNotLast = 23,
  kLeftBracketNotFirst = 24,  // never produced
  kBracketOutOfExpression = 25,
  kTooManyExponents = 26,
  kTooManyPoints = 27,
  kSignBeforeExponent = 28,
  kTooManySigns = 29,
  // Domain tests of the function library.
  kSqrtOfNegative = 30,
  kLnOfNonPositive = 31,
  kLog10OfNonPositive = 32,
  kLog2OfNonPositive = 33,
  kCotWhereTanIsZero = 34,
  kSecWhereCosIsZero = 35,
  kCscWhereSinIsZero = 36,
  kAsecOfZero = 37,
  kAcscOfZero = 38,
  kCothWhereTanhIsZero = 39,
  kSechWhereCoshIsZero = 40,
  kCschWhereSinhIsZero = 41,
  kAsinhOfNonPositiveSum = 42,
  kAcoshOfNegativeSquare = 43,
  kAcoshOfNonPositiveSum = 44,
  kAtanhOfOne = 45,
  kAtanhOfNonPositiveRatio = 46,
  kAcothOfZero = 47,
  kAsechOfZero = 48,
  kAcschOfZero = 49,
  kAtan2WithZeroDivisor = 50,
  kAtan2pWithZeroDivisor = 51,
};
// The codes by their names alone in the evaluator's namespace
// (expr::kDivideByZero), still of their own type: never a bare int.
using enum ErrorCode;

// Codes run from 0 to one below this.
inline constexpr int kErrorCodeCount = 52;

}  // namespace vantrel::expr
