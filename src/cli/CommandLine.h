// Shared pieces of vantrel-convert's commands: exit codes and messages.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitConversionError = 1;
inline constexpr int kExitUsageError = 2;

using Arguments = std::vector<std::string>;

// Writes "vantrel-convert: <message>" as one line to `err` and returns the
// exit code, so that commands can `return Fail(...)`.
int Fail(std::ostream& err, int exitCode, std::string_view message);

// The names quoted and separated by ", ": 'meter', 'foot'.
std::string QuotedList(const std::vector<std::string>& names);

// A whole number as an option's value is written: decimal digits alone, no
// blank and no sign (leading zeros are read as decimal); none otherwise, or
// past nine digits.
std::optional<int> OptionNumber(std::string_view text);

// The shortest decimal text that reads back as the same double.
std::string ShortestDecimal(double value);

// Why a piece of standard input, named `what` ("the VALUE field"), is no text
// to read: not UTF-8, or holding a NUL byte (UTF-16 text has them) or another
// control character but the tab. Empty when it is text.
std::string TextProblem(std::string_view text, std::string_view what);

}  // namespace vantrel::cli
