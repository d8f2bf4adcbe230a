// The one road from what a user typed to the text a result shows: the
// window's recomputation and every conversion of vantrel-convert take it.
#pragma once

#include <string>
#include <string_view>

#include "expr/MathContext.h"
#include "platform/Result.h"
#include "units/Category.h"
#include "units/ResultFormat.h"

namespace vantrel {

// The category whose units are number bases: its input is an integer in the
// base of the input unit, never an expression.
inline constexpr std::string_view kNumbersCategory = "Numbers";

// Why a typed text gives no plain result.
enum class InputProblem {
  kNone,
  kEmpty,      // a blank input: nothing to show
  kNotFinite,  // the value is the converted text, but infinite or not a number
  kHelp,       // a help keyword: the evaluator wrote its help; the value is 0 converted
  kError,      // the value is "Error" (no number at all for EvaluateInput)
};

// Converts `input` from `from` to `to`, both units of `category`, into the
// text a result shows. In "Numbers" the text is read as an integer of the
// input base; elsewhere it is evaluated as an expression (x, y, z and t are
// 0), and one that leaves an evaluator error is an error with that code's
// message. `math` is the caller's evaluation context and `diagnostics` the
// evaluator's switch.
Result<std::string, InputProblem> ConvertInput(expr::MathContext& math, std::string_view input,
                                               const CCategory& category, const CUnit& from,
                                               const CUnit& to, const ResultFormat& format,
                                               int diagnostics);

// The number a typed value stands for outside "Numbers", read as
// ConvertInput reads it: kEmpty, kError or kHelp with ConvertInput's message
// for a blank text, one that leaves an evaluator error, or a help keyword.
Result<double, InputProblem> EvaluateInput(expr::MathContext& math, std::string_view input);

// ConvertInput's usual case with no text conversion and no allocation:
// `input` (8-bit or UTF-8) is a plain decimal number (expr/PlainNumber.h),
// the category is not "Numbers" and the result is finite. Writes the result
// text into `buffer` (ResultFormat::kCapacity characters) and gives its
// length; false when the input needs ConvertInput, which gives the same
// text for the same input.
bool ConvertPlainInput(std::string_view input, const CCategory& category, const CUnit& from,
                       const CUnit& to, const ResultFormat& format, char* buffer,
                       std::size_t& length);

}  // namespace vantrel
