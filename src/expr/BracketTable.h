// The bracket pairs of the expression under evaluation, found in one pass
// the first time one is asked for. Finding the ')' that closes a '(' is then
// a lookup rather than a scan, so evaluation stays linear however deep the
// brackets nest; expressions without deep nests never need it.
#pragma once

#include <cstdint>

#include "expr/MathExpression.h"

namespace vantrel::expr {

class BracketTable {
 public:
  // Makes `text` the one the table answers for; it must stay in place and
  // unchanged until Clear. A text of MX_MATH_EXPRESSION_LENGTH characters or
  // more gets no answers.
  void Attach(const char* text, int length);
  void Clear() { text_ = nullptr; }

  // For a '(' of the attached text: how far the ')' that closes it lies
  // beyond it, when that is before `end`; -1 otherwise (another text, or no
  // such ')'). The first question builds the table.
  int CloseOffset(const char* open, const char* end);
  // True once a question has built the table for the attached text.
  bool Built() const { return text_ && built_; }

 private:
  void Build();

  const char* text_ = nullptr;
  int length_ = 0;
  bool built_ = false;
  std::int16_t close_[MX_MATH_EXPRESSION_LENGTH];  // at each '(': its ')' or -1
};

}  // namespace vantrel::expr
