// An evaluation context that collects what the evaluator writes, for a test
// to read.
#pragma once

#include <string>

#include "expr/MathContext.h"

namespace vantrel::testing {

struct CapturingContext {
  std::string diagnostics;
  std::string help;
  expr::MathContext math{expr::MathSink(diagnostics), expr::MathSink(help)};
};

}  // namespace vantrel::testing
