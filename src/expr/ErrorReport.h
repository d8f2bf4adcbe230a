// The messages of the error codes, the diagnostic blocks and the formatting
// of messages into the context's buffer.
#pragma once

#include <string_view>

#include "expr/ErrorCodes.h"
#include "expr/MathContext.h"
#include "expr/MathExpression.h"

namespace vantrel::expr {

// The text of a span for diagnostics; a negative length shows nothing.
inline std::string_view span_text(const char* span, int length) {
  return length > 0 ? std::string_view(span, static_cast<std::size_t>(length)) : std::string_view();
}

// Writes the code's message into `buffer` (MX_MATH_EXPRESSION_LENGTH bytes);
// returns 0 for a known code, 1 otherwise.
int math_expression_error_message(char* buffer, ErrorCode code);

// One diagnostic block on the context's diagnostic sink; nothing when
// `diagnostics` is 0. An empty or null message writes the header only.
// `position` is zero-based and shown one-based.
void print_math_expression_error(MathContext& context, const char* routine, std::string_view text,
                                 const char* message, int position, ErrorCode code,
                                 int diagnostics);

// Makes a still-clear code 1, prints the block with it and returns it.
ErrorCode report_math_expression_error(MathContext& context, const char* routine,
                                       std::string_view text, const char* message, int position,
                                       ErrorCode& error_code, int diagnostics);

// Code 20 with the "found alone ')'" block; returns 1.
int report_alone_right_bracket(MathContext& context, const char* routine, std::string_view text,
                               int position, ErrorCode& error_code, int diagnostics);

// printf-style formatting into the context's message buffer, which it
// returns. The next call overwrites it, so use the text at once.
const char* format_math_message(MathContext& context, const char* format, ...)
    __attribute__((format(printf, 2, 3)));

// The code's message (as math_expression_error_message) in the context's
// message buffer.
const char* math_code_message(MathContext& context, ErrorCode code);

}  // namespace vantrel::expr
