#include "cli/EvalCommand.h"

#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "cli/CommandLine.h"
#include "cli/LineReader.h"
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

  // `text` is followed by a NUL.
  bool EvaluateOne(std::string_view text) {
    // The evaluator would read a text with a NUL up to it, and take any other
    // bytes as they come: an expression that is no text is an error of its line.
    if (const std::string problem = TextProblem(text, "the expression"); !problem.empty()) {
      out_ << "error: " << problem << '\n';
      out_.flush();
      return false;
    }
    expr::ErrorCode code = expr::kNoError;
    const double value =
        expr::eval_math_expression_xyzt(math_, text.data(), 0, 0, 0, 0, code, diagnostics_);
    PassOn(diagnosticText_, err_);
    PassOn(helpText_, out_);
    out_ << FormatText("%.17g\t%d\n", value, static_cast<int>(code));
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
    // Each answer is flushed as it is written: nothing to do before a wait.
    LineReader lines(in, [] {});
    for (std::string_view line; lines.Next(line);)
      all_clear = evaluator.EvaluateOne(line) && all_clear;
  }
  return all_clear ? kExitSuccess : kExitConversionError;
}

}  // namespace vantrel::cli
