// Error codes 0-51 with their messages, the shared message buffer, the
// diagnostic blocks and where diagnostics and help are written.
#pragma once

#include <cstdio>
#include <string_view>

#include "expr/MathExpression.h"

namespace vantrel::expr {

// Size of the shared buffer that every formatted message is written into.
inline constexpr int MX_MATH_MESSAGE_LENGTH = 5120;

// The text of a span for diagnostics; a negative length shows nothing.
inline std::string_view span_text(const char* span, int length) {
  return length > 0 ? std::string_view(span, static_cast<std::size_t>(length)) : std::string_view();
}

// Writes the code's message into `buffer` (MX_MATH_EXPRESSION_LENGTH bytes);
// returns 0 for a known code, 1 otherwise.
int math_expression_error_message(char* buffer, int code);

// One diagnostic block on the diagnostic stream; nothing when `diagnostics`
// is 0. An empty or null message writes the header only. `position` is
// zero-based and shown one-based.
void print_math_expression_error(const char* routine, std::string_view text, const char* message,
                                 int position, int code, int diagnostics);

// Makes a still-clear code 1, prints the block with it and returns it.
int report_math_expression_error(const char* routine, std::string_view text, const char* message,
                                 int position, int& error_code, int diagnostics);

// Code 20 with the "found alone ')'" block; returns 1.
int report_alone_right_bracket(const char* routine, std::string_view text, int position,
                               int& error_code, int diagnostics);

// printf-style formatting into the shared buffer, which it returns. The next
// call overwrites it, so use the text at once.
const char* format_math_message(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The streams default to standard error and standard output; a null stream
// discards what would be written. Tests and quiet callers replace them.
void set_math_diagnostic_stream(std::FILE* stream);
std::FILE* math_diagnostic_stream();
void set_math_help_stream(std::FILE* stream);
std::FILE* math_help_stream();

// Writes a finished block to the diagnostic stream and flushes it.
void write_math_diagnostic(std::string_view block);

}  // namespace vantrel::expr
