// libFuzzer target over the evaluator's entry operation. Any input must give
// a value and a code, never a crash, a sanitizer report or a read past the
// text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "expr/ErrorCodes.h"
#include "expr/Evaluation.h"

namespace {

// Diagnostics and help are written in full, so the code that lays out the
// blocks runs under the sanitizers too; each input's text is then dropped.
struct Sinks {
  std::string diagnostics;
  std::string help;
  vantrel::expr::MathContext math{vantrel::expr::MathSink(diagnostics),
                                  vantrel::expr::MathSink(help)};
};

Sinks& Context() {
  static Sinks sinks;
  return sinks;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Sinks& sinks = Context();
  // An exactly sized copy, so a read past the terminator is caught.
  const std::string text(reinterpret_cast<const char*>(data), size);
  vantrel::expr::ErrorCode code{};
  const double x = 0.5, y = -2, z = 3, t = 0;
  vantrel::expr::eval_math_expression_xyzt(sinks.math, text.c_str(), x, y, z, t, code, 0);
  const int number = static_cast<int>(code);
  if (number < 0 || number >= vantrel::expr::kErrorCodeCount) __builtin_trap();
  // Short inputs also take the diagnostic paths, which format every message.
  if (size <= 256)
    vantrel::expr::eval_math_expression_xyzt(sinks.math, text.c_str(), x, y, z, t, code, 1);
  sinks.diagnostics.clear();
  sinks.help.clear();
  return 0;
}
