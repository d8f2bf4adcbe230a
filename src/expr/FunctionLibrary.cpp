#include "expr/FunctionLibrary.h"

#include <cmath>

#include "expr/ErrorReport.h"
#include "expr/Evaluation.h"
#include "expr/RandomSource.h"

namespace vantrel::expr {
namespace {

constexpr ME_TYPE kPi = 3.141592653589793;
constexpr ME_TYPE kE = 2.718281828459045;
constexpr ME_TYPE kHalfPi = 1.5707963267948966;
constexpr ME_TYPE kTwoPi = 6.283185307179586;
constexpr ME_TYPE kInverse32767 = 3.051850947599719e-05;
constexpr ME_TYPE kInverse32768 = 3.0517578125e-05;

enum class One {
  kSqrt,
  kExp,
  kLn,
  kLog10,
  kLog2,
  kAbs,
  kSignum,
  kDelta,
  kStep,
  kStepMinus,
  kStepPlus,
  kZeroUptoZero,
  kZeroOverZero,
  kFloor,
  kCeil,
  kRound,
  kFrac,
  kInt,
  kDeg2Rad,
  kRad2Deg,
  kSin,
  kCos,
  kTan,
  kCot,
  kSec,
  kCsc,
  kAcos,
  kAsin,
  kAtan,
  kAcot,
  kAsec,
  kAcsc,
  kSinh,
  kCosh,
  kTanh,
  kCoth,
  kSech,
  kCsch,
  kAsinh,
  kAcosh,
  kAtanh,
  kAcoth,
  kAsech,
  kAcsch,
};

enum class Two {
  kRand,
  kRandCloseOpen,
  kMin,
  kMax,
  kValueUptoValue,
  kValueOverValue,
  kMod,
  kPow,
  kAtan2,
  kAtan2p,
};

template <typename Op>
struct Entry {
  std::string_view name;
  Op op;
};

// In comparison order: the first equal name decides.
constexpr Entry<One> kOneArgument[] = {
    {"sqrt", One::kSqrt},
    {"sqr", One::kSqrt},
    {"exp", One::kExp},
    {"ln", One::kLn},
    {"log", One::kLn},
    {"log10", One::kLog10},
    {"lg", One::kLog10},
    {"log2", One::kLog2},
    {"abs", One::kAbs},
    {"signum", One::kSignum},
    {"sign", One::kSignum},
    {"delta", One::kDelta},
    {"d", One::kDelta},
    {"step", One::kStep},
    {"step_minus", One::kStepMinus},
    {"stepm", One::kStepMinus},
    {"step_plus", One::kStepPlus},
    {"stepp", One::kStepPlus},
    {"zero_upto_zero", One::kZeroUptoZero},
    {"zero_over_zero", One::kZeroOverZero},
    {"floor", One::kFloor},
    {"ceil", One::kCeil},
    {"round", One::kRound},
    {"frac", One::kFrac},
    {"int", One::kInt},
    {"trunc", One::kInt},
    {"deg2rad", One::kDeg2Rad},
    {"d2r", One::kDeg2Rad},
    {"rad2deg", One::kRad2Deg},
    {"r2d", One::kRad2Deg},
    {"sin", One::kSin},
    {"cos", One::kCos},
    {"tg", One::kTan},
    {"tan", One::kTan},
    {"ctg", One::kCot},
    {"cot", One::kCot},
    {"sec", One::kSec},
    {"cosec", One::kCsc},
    {"csc", One::kCsc},
    {"arccos", One::kAcos},
    {"acos", One::kAcos},
    {"arcsin", One::kAsin},
    {"asin", One::kAsin},
    {"arctg", One::kAtan},
    {"atan", One::kAtan},
    {"arcctg", One::kAcot},
    {"acot", One::kAcot},
    {"arcsec", One::kAsec},
    {"asec", One::kAsec},
    {"arccosec", One::kAcsc},
    {"acsc", One::kAcsc},
    {"sh", One::kSinh},
    {"sinh", One::kSinh},
    {"ch", One::kCosh},
    {"cosh", One::kCosh},
    {"th", One::kTanh},
    {"tanh", One::kTanh},
    {"cth", One::kCoth},
    {"coth", One::kCoth},
    {"sech", One::kSech},
    {"sch", One::kSech},
    {"cosech", One::kCsch},
    {"csch", One::kCsch},
    {"arsh", One::kAsinh},
    {"asinh", One::kAsinh},
    {"arch", One::kAcosh},
    {"acosh", One::kAcosh},
    {"arth", One::kAtanh},
    {"atanh", One::kAtanh},
    {"arcth", One::kAcoth},
    {"acoth", One::kAcoth},
    {"arsech", One::kAsech},
    {"asech", One::kAsech},
    {"arcosech", One::kAcsch},
    {"acsch", One::kAcsch},
};

constexpr Entry<Two> kTwoArguments[] = {
    {"rand", Two::kRand},
    {"rand_close_open", Two::kRandCloseOpen},
    {"min", Two::kMin},
    {"max", Two::kMax},
    {"value_upto_value", Two::kValueUptoValue},
    {"value_over_value", Two::kValueOverValue},
    {"mod", Two::kMod},
    {"pow", Two::kPow},
    {"power", Two::kPow},
    {"atan2", Two::kAtan2},
    {"atan2p", Two::kAtan2p},
};

template <typename Op, std::size_t N>
const Op* Find(const Entry<Op> (&table)[N], std::string_view name) {
  for (const Entry<Op>& entry : table) {
    if (entry.name == name) return &entry.op;
  }
  return nullptr;
}

// Stores a code and reports it with its table message under the routine's
// name, showing the function name.
void Fail(MathContext& context, const char* routine, std::string_view name, ErrorCode code,
          const char* message, ErrorCode& error_code, int diagnostics) {
  error_code = code;
  if (!diagnostics) return;
  if (!message) message = math_code_message(context, code);
  report_math_expression_error(context, routine, name, message, 0, error_code, diagnostics);
}

ME_TYPE Evaluate(MathContext& context, std::string_view part, ME_TYPE x, ME_TYPE y, ME_TYPE z,
                 ME_TYPE t, ErrorCode& error_code, int diagnostics) {
  return eval_correct_math_expression_xyzt(context, part.data(), static_cast<int>(part.size()), x,
                                           y, z, t, error_code, diagnostics);
}

// The arguments between two offsets (exclusive), clamped to the text.
std::string_view Part(std::string_view arguments, int from, int to) {
  const int size = static_cast<int>(arguments.size());
  from = from < 0 ? 0 : (from > size ? size : from);
  to = to < from ? from : (to > size ? size : to);
  return arguments.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from));
}

struct Split {
  ME_TYPE integral;
  ME_TYPE fraction;
};

// Integer part and fraction, both with the sign of a.
Split SplitNumber(ME_TYPE a) {
  ME_TYPE integral = 0;
  const ME_TYPE fraction = std::modf(a, &integral);
  return {integral, fraction};
}

ME_TYPE RoundHalfAway(ME_TYPE a) {
  const Split s = SplitNumber(a);
  if (std::fabs(s.fraction) >= 0.5) return s.fraction > 0 ? s.integral + 1 : s.integral - 1;
  return s.integral;
}

}  // namespace

ME_TYPE eval_no_argument_function(MathContext& context, std::string_view name, ME_TYPE, ME_TYPE,
                                  ME_TYPE, ME_TYPE, ErrorCode& error_code, int diagnostics) {
  error_code = kNoError;
  if (name == "pi") return kPi;
  if (name == "e") return kE;
  if (name == "rand") return next_math_random(context) * kInverse32767;
  Fail(context, "eval_no_argument_function", name, kUnknownZeroArgumentFunction,
       "unknown function!", error_code, diagnostics);
  return 0;
}

ME_TYPE eval_one_argument_function_xyzt(MathContext& context, std::string_view name,
                                        std::string_view arguments, ME_TYPE x, ME_TYPE y, ME_TYPE z,
                                        ME_TYPE t, ErrorCode& error_code, int diagnostics) {
  static constexpr const char* kName = "eval_one_argument_function_xyzt";
  error_code = kNoError;
  const ME_TYPE a = Evaluate(context, arguments, x, y, z, t, error_code, diagnostics);
  const One* op = Find(kOneArgument, name);
  if (!op) {
    Fail(context, kName, name, kUnknownOneArgumentFunction, nullptr, error_code, diagnostics);
    return 0;
  }
  // A domain test that holds is reported; the value is computed regardless.
  auto test = [&](bool failed, ErrorCode code) {
    if (failed) Fail(context, kName, name, code, nullptr, error_code, diagnostics);
  };
  switch (*op) {
    case One::kSqrt:
      test(a < 0, kSqrtOfNegative);
      return std::sqrt(a);
    case One::kExp:
      return std::exp(a);
    case One::kLn:
      test(a <= 0, kLnOfNonPositive);
      return std::log(a);
    case One::kLog10:
      test(a <= 0, kLog10OfNonPositive);
      return std::log10(a);
    case One::kLog2:
      test(a <= 0, kLog2OfNonPositive);
      return std::log10(a) / std::log10(2.0);
    case One::kAbs:
      return std::fabs(a);
    case One::kSignum:
      return a > 0 ? 1 : (a < 0 ? -1 : 0);
    case One::kDelta:
      return a == 0 ? 1 : 0;
    case One::kStep:
      return a > 0 ? 1 : (a < 0 ? 0 : 0.5);
    case One::kStepMinus:
      return a >= 0 ? 1 : 0;
    case One::kStepPlus:
      return a > 0 ? 1 : 0;
    case One::kZeroUptoZero:
      return a > 0 ? a : 0;
    case One::kZeroOverZero:
      return a <= 0 ? a : 0;
    case One::kFloor:
      return std::floor(a);
    case One::kCeil:
      return std::ceil(a);
    case One::kRound:
      return RoundHalfAway(a);
    case One::kFrac:
      return SplitNumber(a).fraction;
    case One::kInt:
      return SplitNumber(a).integral;
    case One::kDeg2Rad:
      return a * 0.017453292519943295;
    case One::kRad2Deg:
      return a * 57.29577951308232;
    case One::kSin:
      return std::sin(a);
    case One::kCos:
      return std::cos(a);
    case One::kTan:
      return std::tan(a);
    case One::kCot:
      test(std::tan(a) == 0, kCotWhereTanIsZero);
      return 1 / std::tan(a);
    case One::kSec:
      test(std::cos(a) == 0, kSecWhereCosIsZero);
      return 1 / std::cos(a);
    case One::kCsc:
      test(std::sin(a) == 0, kCscWhereSinIsZero);
      return 1 / std::sin(a);
    case One::kAcos:
      return std::acos(a);
    case One::kAsin:
      return std::asin(a);
    case One::kAtan:
      return std::atan(a);
    case One::kAcot:
      return kHalfPi - std::atan(a);
    case One::kAsec:
      test(a == 0, kAsecOfZero);
      return std::acos(1 / a);
    case One::kAcsc:
      test(a == 0, kAcscOfZero);
      return std::asin(1 / a);
    case One::kSinh:
      return std::sinh(a);
    case One::kCosh:
      return std::cosh(a);
    case One::kTanh:
      return std::tanh(a);
    case One::kCoth:
      test(std::tanh(a) == 0, kCothWhereTanhIsZero);
      return 1 / std::tanh(a);
    case One::kSech:
      test(std::cosh(a) == 0, kSechWhereCoshIsZero);
      return 1 / std::cosh(a);
    case One::kCsch:
      test(std::sinh(a) == 0, kCschWhereSinhIsZero);
      return 1 / std::sinh(a);
    case One::kAsinh: {
      const ME_TYPE s = a + std::sqrt(a * a + 1);
      test(s <= 0, kAsinhOfNonPositiveSum);
      return std::log(s);
    }
    case One::kAcosh: {
      test(a * a - 1 < 0, kAcoshOfNegativeSquare);
      const ME_TYPE s = a + std::sqrt(a * a - 1);
      test(s <= 0, kAcoshOfNonPositiveSum);
      return std::log(s);
    }
    case One::kAtanh: {
      test(1 - a == 0, kAtanhOfOne);
      const ME_TYPE q = (1 + a) / (1 - a);
      test(q <= 0, kAtanhOfNonPositiveRatio);
      return std::log(q) / 2;
    }
    case One::kAcoth:
      test(a == 0, kAcothOfZero);
      return std::log((a + 1) / (a - 1)) / 2;
    case One::kAsech: {
      test(a == 0, kAsechOfZero);
      const ME_TYPE r = 1 / a;
      return std::log(r + std::sqrt(r * r - 1));
    }
    case One::kAcsch: {
      test(a == 0, kAcschOfZero);
      const ME_TYPE r = 1 / a;
      return std::log(r + std::sqrt(r * r + 1));
    }
  }
  return 0;
}

ME_TYPE eval_two_arguments_function_xyzt(MathContext& context, std::string_view name,
                                         std::string_view arguments, int comma, ME_TYPE x,
                                         ME_TYPE y, ME_TYPE z, ME_TYPE t, ErrorCode& error_code,
                                         int diagnostics) {
  static constexpr const char* kName = "eval_two_arguments_function_xyzt";
  error_code = kNoError;
  const int end = static_cast<int>(arguments.size());
  const ME_TYPE a =
      Evaluate(context, Part(arguments, 0, comma), x, y, z, t, error_code, diagnostics);
  const ME_TYPE b =
      Evaluate(context, Part(arguments, comma + 1, end), x, y, z, t, error_code, diagnostics);
  const Two* op = Find(kTwoArguments, name);
  if (!op) {
    Fail(context, kName, name, kUnknownTwoArgumentsFunction, nullptr, error_code, diagnostics);
    return 0;
  }
  switch (*op) {
    case Two::kRand:
      return a + (b - a) * next_math_random(context) * kInverse32767;
    case Two::kRandCloseOpen:
      return a + (b - a) * next_math_random(context) * kInverse32768;
    case Two::kMin:
      return a < b ? a : b;
    case Two::kMax:
      return a > b ? a : b;
    case Two::kValueUptoValue:
      return a > b ? a : b;
    case Two::kValueOverValue:
      return a <= b ? a : b;
    case Two::kMod:
      return std::fmod(a, b);
    case Two::kPow:
      return std::pow(a, b);
    case Two::kAtan2:
      if (b == 0)
        Fail(context, kName, name, kAtan2WithZeroDivisor, nullptr, error_code, diagnostics);
      return std::atan2(a, b);
    case Two::kAtan2p:
      if (b == 0)
        Fail(context, kName, name, kAtan2pWithZeroDivisor, nullptr, error_code, diagnostics);
      return a < 0 ? std::atan2(a, b) + kTwoPi : std::atan2(a, b);
  }
  return 0;
}

ME_TYPE eval_three_arguments_function_xyzt(MathContext& context, std::string_view name,
                                           std::string_view arguments, int first_comma,
                                           int second_comma, ME_TYPE x, ME_TYPE y, ME_TYPE z,
                                           ME_TYPE t, ErrorCode& error_code, int diagnostics) {
  error_code = kNoError;
  const int end = static_cast<int>(arguments.size());
  const ME_TYPE a =
      Evaluate(context, Part(arguments, 0, first_comma), x, y, z, t, error_code, diagnostics);
  const ME_TYPE a1 = Evaluate(context, Part(arguments, first_comma + 1, second_comma), x, y, z, t,
                              error_code, diagnostics);
  const ME_TYPE a2 = Evaluate(context, Part(arguments, second_comma + 1, end), x, y, z, t,
                              error_code, diagnostics);
  if (name != "impuls") {
    Fail(context, "eval_three_arguments_function_xyzt", name, kUnknownTwoArgumentsFunction, nullptr,
         error_code, diagnostics);
    return 0;
  }
  const ME_TYPE low = a1 < a2 ? a1 : a2;
  const ME_TYPE high = a1 < a2 ? a2 : a1;
  return (a >= low && a <= high) ? 1 : 0;
}

}  // namespace vantrel::expr
