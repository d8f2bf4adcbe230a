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

std::string EvaluatorMessage(int code) {
  char buffer[expr::MX_MATH_EXPRESSION_LENGTH] = {};
  expr::math_expression_error_message(buffer, code);
  return buffer;
}

enum class Reading { kEmpty, kNumber, kHelp, kError };

// The value of a typed text outside "Numbers", or why it has none.
Reading ReadInput(expr::MathContext& math, std::string_view input, int diagnostics, double& value,
                  std::string& message) {
  // Nothing typed is no number: rather nothing than the conversion of the
  // evaluator's code for an empty text.
  if (IsBlank(input)) {
    message = EvaluatorMessage(expr::kEmptyExpression);
    return Reading::kEmpty;
  }
  // One byte per character, as the evaluator's 8-bit text has it.
  const std::string ansi = Utf8ToAnsi(input);
  const expr::InputValue read = expr::evaluate_input_value(math, ansi.c_str(), diagnostics);
  // An error code is no number to convert.
  if (read.error_code != expr::kNoError) {
    message = EvaluatorMessage(read.error_code);
    return Reading::kError;
  }
  value = read.value;
  if (value == 0 && expr::is_math_expression_help_request(ansi.c_str())) {
    message = Quoted(input) + " is a help keyword, not a value";
    return Reading::kHelp;
  }
  return Reading::kNumber;
}

}  // namespace

ConversionOutcome ConvertInput(expr::MathContext& math, std::string_view input,
                               const CCategory& category, const CUnit& from, const CUnit& to,
                               const ResultFormat& format, int diagnostics) {
  using Kind = ConversionOutcome::Kind;
  if (category.Name() == kNumbersCategory && !IsBlank(input)) {
    std::string text = ConvertNumberBase(input, from.name, to.name);
    if (text == kConversionError)
      return {
          Kind::kError, std::move(text),
          Quoted(input) + " does not fit a signed 32-bit integer, or a base is outside 2 to 36"};
    return {Kind::kResult, std::move(text), {}};
  }

  double value = 0;
  std::string message;
  switch (ReadInput(math, input, diagnostics, value, message)) {
    case Reading::kEmpty:
      return {Kind::kEmpty, {}, std::move(message)};
    case Reading::kError:
      return {Kind::kError, std::string(kConversionError), std::move(message)};
    case Reading::kHelp:
      return {Kind::kHelp, format.Format(ConvertValue(value, from, to)), std::move(message)};
    case Reading::kNumber:
      break;
  }
  const double result = ConvertValue(value, from, to);
  std::string text = format.Format(result);
  if (!std::isfinite(result)) {
    message = "the result (" + text + ") is not a finite number";
    return {Kind::kNotFinite, std::move(text), std::move(message)};
  }
  return {Kind::kResult, std::move(text), {}};
}

bool EvaluateInput(expr::MathContext& math, std::string_view input, double& value,
                   std::string& message) {
  return ReadInput(math, input, 0, value, message) == Reading::kNumber;
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
