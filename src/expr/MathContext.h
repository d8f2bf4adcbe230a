// What one caller's evaluations share: where diagnostics and help are
// written, the random state behind rand and the buffers messages are
// formatted in. Every evaluating routine takes the caller's context; two
// contexts share nothing, so each may evaluate on a thread of its own.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "expr/BracketTable.h"

namespace vantrel::expr {

// Size of the buffer that every formatted message is written into.
inline constexpr int MX_MATH_MESSAGE_LENGTH = 5120;

// Where diagnostics or help go: appended to a string, written to a C stream
// (flushed after each block), or nowhere when it has neither.
class MathSink {
 public:
  MathSink() = default;
  explicit MathSink(std::FILE* file) : file_(file) {}
  explicit MathSink(std::string& text) : text_(&text) {}

  bool Discards() const { return !file_ && !text_; }
  void Write(std::string_view block) const;

 private:
  std::FILE* file_ = nullptr;
  std::string* text_ = nullptr;
};

struct MathContext {
  // Diagnostics to standard error, help to standard output.
  MathContext() = default;
  MathContext(MathSink diagnostics_sink, MathSink help_sink)
      : diagnostics(diagnostics_sink), help(help_sink) {}
  MathContext(const MathContext&) = delete;
  MathContext& operator=(const MathContext&) = delete;

  MathSink diagnostics{stderr};
  MathSink help{stdout};
  // The generator behind rand: 1 at the start, never reseeded.
  std::uint32_t random_state = 1;
  // Every formatted message; the next formatting overwrites it.
  char message[MX_MATH_MESSAGE_LENGTH] = {};
  // The entry's normalised text; it keeps its capacity between evaluations.
  std::string normalised;
  // The bracket groups of `normalised` while the entry evaluates it.
  BracketTable brackets;
};

}  // namespace vantrel::expr
