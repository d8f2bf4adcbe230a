#include "cli/CommandLine.h"

#include <cstdio>

namespace vantrel::cli {

int Fail(int exitCode, std::string_view message) {
  std::fprintf(stderr, "vantrel-convert: %.*s\n", static_cast<int>(message.size()), message.data());
  return exitCode;
}

int Fail(std::ostream& err, int exitCode, std::string_view message) {
  err << "vantrel-convert: " << message << '\n';
  return exitCode;
}

}  // namespace vantrel::cli
