// libFuzzer target over the evaluator's entry operation. Any input must give
// a value and a code, never a crash, a sanitizer report or a read past the
// text.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "expr/ErrorReport.h"
#include "expr/Evaluation.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Diagnostics and help are written in full, to nowhere, so the code that
  // lays out the blocks runs under the sanitizers too.
  std::FILE* sink = std::fopen("/dev/null", "w");
  vantrel::expr::set_math_diagnostic_stream(sink);
  vantrel::expr::set_math_help_stream(sink);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // An exactly sized copy, so a read past the terminator is caught.
  const std::string text(reinterpret_cast<const char*>(data), size);
  int code = 0;
  const double x = 0.5, y = -2, z = 3, t = 0;
  vantrel::expr::eval_math_expression_xyzt(text.c_str(), x, y, z, t, code, 0);
  if (code < 0 || code > 51) __builtin_trap();
  // Short inputs also take the diagnostic paths, which format every message.
  if (size <= 256) vantrel::expr::eval_math_expression_xyzt(text.c_str(), x, y, z, t, code, 1);
  return 0;
}
