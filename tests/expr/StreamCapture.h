// Captures what the evaluator writes to its diagnostic or help stream.
#pragma once

#include <stdio.h>
#include <stdlib.h>

#include <string>

#include "expr/ErrorReport.h"

namespace vantrel::testing {

class StreamCapture {
 public:
  enum class Which { kDiagnostics, kHelp };

  explicit StreamCapture(Which which = Which::kDiagnostics) : which_(which) {
    stream_ = open_memstream(&data_, &size_);
    Set(stream_);
  }
  ~StreamCapture() {
    Set(nullptr);
    fclose(stream_);
    free(data_);
  }
  StreamCapture(const StreamCapture&) = delete;
  StreamCapture& operator=(const StreamCapture&) = delete;

  std::string Text() {
    fflush(stream_);
    return std::string(data_, size_);
  }

 private:
  void Set(FILE* stream) {
    if (which_ == Which::kDiagnostics) {
      expr::set_math_diagnostic_stream(stream);
    } else {
      expr::set_math_help_stream(stream);
    }
  }

  Which which_;
  char* data_ = nullptr;
  size_t size_ = 0;
  FILE* stream_ = nullptr;
};

}  // namespace vantrel::testing
