// The options the program answers itself, before and without any display:
// --help (or -h) and --version print to `out` and end the program with
// status 0. Every other argument is left to Qt.
#pragma once

#include <cstdio>
#include <optional>

namespace vantrel {

// The exit status when an argument is one of these options, else nothing.
std::optional<int> AnswerOwnOption(int argc, const char* const* argv, std::FILE* out);

}  // namespace vantrel
