#include "cli/EvalCommand.h"

#include <cstdio>
#include <iostream>
#include <string>

#include "expr/ErrorReport.h"
#include "expr/Evaluation.h"
#include "platform/NumberText.h"

namespace vantrel::cli {
namespace {

bool EvaluateOne(const std::string& text, int diagnostics) {
  int code = 0;
  const double value = expr::eval_math_expression_xyzt(text.c_str(), 0, 0, 0, 0, code, diagnostics);
  const std::string line = FormatText("%.17g\t%d\n", value, code);
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fflush(stdout);
  return code == 0;
}

}  // namespace

int RunEval(const Arguments& args) {
  auto it = args.begin();
  int diagnostics = 0;
  if (it != args.end() && *it == "--diagnostics") {
    diagnostics = 1;
    ++it;
  }
  if (it == args.end())
    return Fail(kExitUsageError, "--eval needs an expression or - (try --help)");
  // Without --diagnostics nothing reaches standard error, not even the
  // bracket check's own lines.
  if (!diagnostics) expr::set_math_diagnostic_stream(nullptr);
  bool all_clear = true;
  for (; it != args.end(); ++it) {
    if (*it != "-") {
      all_clear = EvaluateOne(*it, diagnostics) && all_clear;
      continue;
    }
    std::string line;
    while (std::getline(std::cin, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      all_clear = EvaluateOne(line, diagnostics) && all_clear;
    }
  }
  return all_clear ? kExitSuccess : kExitConversionError;
}

}  // namespace vantrel::cli
