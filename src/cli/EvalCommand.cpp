#include "cli/EvalCommand.h"

#include <cstdio>
#include <istream>
#include <ostream>
#include <string>

#include "expr/ErrorReport.h"
#include "expr/Evaluation.h"
#include "platform/NumberText.h"

namespace vantrel::cli {
namespace {

bool EvaluateOne(const std::string& text, int diagnostics, std::ostream& out) {
  int code = 0;
  const double value = expr::eval_math_expression_xyzt(text.c_str(), 0, 0, 0, 0, code, diagnostics);
  // The help text goes to standard output through the C stream: let it out
  // before this expression's line.
  std::fflush(stdout);
  out << FormatText("%.17g\t%d\n", value, code);
  out.flush();
  return code == 0;
}

}  // namespace

int RunEval(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err) {
  auto it = args.begin();
  int diagnostics = 0;
  if (it != args.end() && *it == "--diagnostics") {
    diagnostics = 1;
    ++it;
  }
  if (it == args.end())
    return Fail(err, kExitUsageError, "--eval needs an expression or - (try --help)");
  // Without --diagnostics nothing reaches standard error, not even the
  // bracket check's own lines.
  if (!diagnostics) expr::set_math_diagnostic_stream(nullptr);
  bool all_clear = true;
  for (; it != args.end(); ++it) {
    if (*it != "-") {
      all_clear = EvaluateOne(*it, diagnostics, out) && all_clear;
      continue;
    }
    std::string line;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      all_clear = EvaluateOne(line, diagnostics, out) && all_clear;
    }
  }
  return all_clear ? kExitSuccess : kExitConversionError;
}

}  // namespace vantrel::cli
