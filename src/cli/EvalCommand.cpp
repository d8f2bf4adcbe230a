#include "cli/EvalCommand.h"

#include <istream>
#include <ostream>
#include <string>

#include "expr/ErrorCodes.h"
#include "expr/Evaluation.h"
#include "platform/NumberText.h"

namespace vantrel::cli {
namespace {

// One context for the whole command, so the random state carries from one
// expression to the next. What the evaluator writes is collected and passed
// on ahead of the expression's own line: help to `out`, diagnostics (only
// when asked for, the bracket check's lines included) to `err`.
class Evaluator {
 public:
  Evaluator(int diagnostics, std::ostream& out, std::ostream& err)
      : diagnostics_(diagnostics),
        out_(out),
        err_(err),
        math_(diagnostics ? expr::MathSink(diagnosticText_) : expr::MathSink(),
              expr::MathSink(helpText_)) {}

  bool EvaluateOne(const std::string& text) {
    int code = expr::kNoError;
    const double value =
        expr::eval_math_expression_xyzt(math_, text.c_str(), 0, 0, 0, 0, code, diagnostics_);
    PassOn(diagnosticText_, err_);
    PassOn(helpText_, out_);
    out_ << FormatText("%.17g\t%d\n", value, code);
    out_.flush();
    return code == expr::kNoError;
  }

 private:
  static void PassOn(std::string& text, std::ostream& stream) {
    if (text.empty()) return;
    stream << text;
    stream.flush();
    text.clear();
  }

  const int diagnostics_;
  std::ostream& out_;
  std::ostream& err_;
  std::string diagnosticText_;
  std::string helpText_;
  expr::MathContext math_;
};

}  // namespace

int RunEval(const Options& options, std::istream& in, std::ostream& out, std::ostream& err) {
  Evaluator evaluator(options.diagnostics ? 1 : 0, out, err);
  bool all_clear = true;
  for (const std::string& expression : options.positional) {
    if (expression != "-") {
      all_clear = evaluator.EvaluateOne(expression) && all_clear;
      continue;
    }
    std::string line;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      all_clear = evaluator.EvaluateOne(line) && all_clear;
    }
  }
  return all_clear ? kExitSuccess : kExitConversionError;
}

}  // namespace vantrel::cli
