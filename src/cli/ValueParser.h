// The one place where vantrel-convert turns a typed VALUE into a number.
#pragma once

#include <string>
#include <string_view>

namespace vantrel::cli {

// VALUE is an expression, read as the converter's input box reads it (a
// number, a fraction, "2+3/4", functions and constants; x, y, z and t are 0).
// An expression that leaves an error code is refused with the code's message.
bool ParseValue(std::string_view text, double& value, std::string& error);

}  // namespace vantrel::cli
