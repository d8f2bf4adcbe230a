#include "cli/ValueParser.h"

#include "expr/ErrorReport.h"
#include "expr/InputExpression.h"
#include "platform/TextEncoding.h"

namespace vantrel::cli {

bool ParseValue(std::string_view text, double& value, std::string& error) {
  // The evaluator reads 8-bit text in the code page the window uses.
  const std::string ansi = WideToAnsi(Utf8ToWide(text));
  const expr::InputValue result = expr::evaluate_input_value(ansi.c_str());
  if (result.error_code != 0) {
    char message[expr::MX_MATH_EXPRESSION_LENGTH];
    expr::math_expression_error_message(message, result.error_code);
    error = message;
    return false;
  }
  value = result.value;
  return true;
}

}  // namespace vantrel::cli
