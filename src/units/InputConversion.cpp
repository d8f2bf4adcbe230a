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

}  // namespace

ConversionOutcome ConvertInput(expr::MathContext& math, std::wstring_view input,
                               const CCategory& category, const CUnit& from, const CUnit& to,
                               const ResultFormat& format, int diagnostics) {
  using Kind = ConversionOutcome::Kind;
  // Nothing typed is no number: rather nothing than the conversion of the
  // evaluator's code for an empty text.
  if (IsBlank(input)) return {Kind::kEmpty, {}, EvaluatorMessage(expr::kEmptyExpression)};

  if (category.Name() == kNumbersCategory) {
    std::wstring text = ConvertNumberBase(input, from.name, to.name);
    if (text == kConversionError)
      return {
          Kind::kError, std::move(text),
          Quoted(input) + " does not fit a signed 32-bit integer, or a base is outside 2 to 36"};
    return {Kind::kResult, std::move(text), {}};
  }

  // One byte per character, as the evaluator's 8-bit text has it.
  const std::string ansi = WideToAnsi(input);
  const expr::InputValue value = expr::evaluate_input_value(math, ansi.c_str(), diagnostics);
  // An error code is no number to convert.
  if (value.error_code != expr::kNoError)
    return {Kind::kError, std::wstring(kConversionError), EvaluatorMessage(value.error_code)};
  const double result = ConvertValue(value.value, from, to);
  std::wstring text = format.Format(result);
  if (value.value == 0 && expr::is_math_expression_help_request(ansi.c_str()))
    return {Kind::kHelp, std::move(text), Quoted(input) + " is a help keyword, not a value"};
  if (!std::isfinite(result)) {
    std::string message = "the result (" + WideToUtf8(text) + ") is not a finite number";
    return {Kind::kNotFinite, std::move(text), std::move(message)};
  }
  return {Kind::kResult, std::move(text), {}};
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
