// libFuzzer target comparing the two roads of a typed value: whatever text
// read_plain_decimal takes must evaluate to the same double, bit for bit,
// with code 0. A difference stops the run.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "expr/Evaluation.h"
#include "expr/PlainNumber.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static vantrel::expr::MathContext quiet{vantrel::expr::MathSink{}, vantrel::expr::MathSink{}};
  // The evaluator reads up to the first NUL; so does the short road here.
  const std::string text(reinterpret_cast<const char*>(data), size);
  double plain = 0;
  if (!vantrel::expr::read_plain_decimal(text.c_str(), plain)) return 0;
  vantrel::expr::ErrorCode code{-1};
  const double evaluated = vantrel::expr::eval_math_expression(quiet, text.c_str(), code, 0);
  if (code != vantrel::expr::kNoError || std::memcmp(&plain, &evaluated, sizeof plain) != 0)
    __builtin_trap();
  return 0;
}
