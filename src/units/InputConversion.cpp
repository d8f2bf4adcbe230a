#include "units/InputConversion.h"

#include <cmath>

#include "expr/ErrorReport.h"
#include "expr/Evaluation.h"
#include "expr/InputExpression.h"
#include "expr/PlainNumber.h"
#include "platform/Blanks.h"
#include "platform/TextEncoding.h"
#include "units/NumberBase.h"
#include "units/UnitCatalogue.h"

namespace vantrel {
namespace {

std::string EvaluatorMessage(expr::ErrorCode code) {
  char buffer[expr::MX_MATH_EXPRESSION_LENGTH] = {};
  expr::math_expression_error_message(buffer, code);
  return buffer;
}

// The value of a typed text outside "Numbers", or why it has none.
Result<double, InputProblem> ReadInput(expr::MathContext& math, std::string_view input,
                                       int diagnostics) {
  // Nothing typed is no number: rather nothing than the conversion of the
  // evaluator's code for an empty text.
  if (IsBlank(input)) return {InputProblem::kEmpty, EvaluatorMessage(expr::kEmptyExpression)};
  // One byte per character, as the evaluator's 8-bit text has it.
  const std::string ansi = Utf8ToAnsi(input);
  const expr::InputValue read = expr::evaluate_input_value(math, ansi.c_str(), diagnostics);
  // An error code is no number to convert.
  if (read.error_code != expr::kNoError)
    return {InputProblem::kError, EvaluatorMessage(read.error_code)};
  if (read.value == 0 && expr::is_math_expression_help_request(ansi.c_str()))
    return {InputProblem::kHelp, Quoted(input) + " is a help keyword, not a value", 0.0};
  return read.value;
}

}  // namespace

Result<std::string, InputProblem> ConvertInput(expr::MathContext& math, std::string_view input,
                                               const CCategory& category, const CUnit& from,
                                               const CUnit& to, const ResultFormat& format,
                                               int diagnostics) {
  if (category.Name() == kNumbersCategory && !IsBlank(input)) {
    std::string text = ConvertNumberBase(input, from.name, to.name);
    if (text == kConversionError)
      return {InputProblem::kError,
              Quoted(input) + " does not fit a signed 32-bit integer, or a base is outside 2 to 36",
              std::move(text)};
    return text;
  }

  Result<double, InputProblem> read = ReadInput(math, input, diagnostics);
  switch (read.error) {
    case InputProblem::kEmpty:
      return {InputProblem::kEmpty, std::move(read.message)};
    case InputProblem::kError:
      return {InputProblem::kError, std::move(read.message), std::string(kConversionError)};
    case InputProblem::kHelp:
      return {InputProblem::kHelp, std::move(read.message),
              format.Format(ConvertValue(read.value, from, to))};
    default:
      break;
  }
  const double result = ConvertValue(read.value, from, to);
  std::string text = format.Format(result);
  if (!std::isfinite(result))
    return {InputProblem::kNotFinite, "the result (" + text + ") is not a finite number",
            std::move(text)};
  return text;
}

Result<double, InputProblem> EvaluateInput(expr::MathContext& math, std::string_view input) {
  return ReadInput(math, input, 0);
}

bool ConvertPlainInput(std::string_view input, const CCategory& category, const CUnit& from,
                       const CUnit& to, const ResultFormat& format, char* buffer,
                       std::size_t& length) {
  double value = 0;
  if (!expr::read_plain_decimal(input, value) || category.Name() == kNumbersCategory) return false;
  const double result = ConvertValue(value, from, to);
  if (!std::isfinite(result)) return false;
  length = format.Write(result, buffer);
  return true;
}

}  // namespace vantrel
