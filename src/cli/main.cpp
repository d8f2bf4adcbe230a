// vantrel-convert: the command-line companion of the converter, on the same
// core, for scripting and batch use. It reads the user's settings file and
// never writes it.
#include <cstdio>
#include <string>

#include "cli/CommandLine.h"
#include "cli/EvalCommand.h"

namespace {

constexpr const char* kUsage =
    "Usage: vantrel-convert [OPTION]...\n"
    "Converts values between units on the command line.\n"
    "\n"
    "  --help       show this help and exit\n"
    "  --version    show the version and exit\n"
    "  --eval [--diagnostics] EXPR...\n"
    "               evaluate each expression with x, y, z and t = 0; print for each\n"
    "               one line: the value (%.17g), a tab and the error code (0 = none);\n"
    "               --diagnostics writes the evaluator's diagnostics to standard error\n"
    "  --eval -     the same for each line of standard input\n"
    "\n"
    "Exit status: 0 success, 1 a conversion error (with --eval: an expression\n"
    "left an error code), 2 a usage error.\n";

}  // namespace

int main(int argc, char** argv) {
  using namespace vantrel::cli;
  const Arguments args(argv + 1, argv + argc);
  if (args.empty()) {
    std::fputs(kUsage, stderr);
    return kExitUsageError;
  }
  const std::string& first = args.front();
  if (first == "--help" || first == "-h") {
    std::fputs(kUsage, stdout);
    return kExitSuccess;
  }
  if (first == "--version") {
    std::printf("vantrel-convert %s\n", VANTREL_VERSION);
    return kExitSuccess;
  }
  if (first == "--eval") return RunEval(Arguments(args.begin() + 1, args.end()));
  return Fail(kExitUsageError, "unknown option '" + first + "' (try --help)");
}
