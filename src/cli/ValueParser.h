// The one place where vantrel-convert turns a typed VALUE into a number.
#pragma once

#include <string>
#include <string_view>

namespace vantrel::cli {

// A plain decimal number, optionally surrounded by blanks ("12", "-1.5e3").
// False, with a one-line reason, for anything else.
bool ParseValue(std::string_view text, double& value, std::string& error);

}  // namespace vantrel::cli
