#include "expr/BracketTable.h"

#include <cstdint>

namespace vantrel::expr {

void BracketTable::Attach(const char* text, int length) {
  const bool fits = text && length >= 0 && length < MX_MATH_EXPRESSION_LENGTH;
  text_ = fits ? text : nullptr;
  length_ = fits ? length : 0;
  built_ = false;
}

void BracketTable::Build() {
  // The '(' still open form a stack linked through their own entries (each
  // holds the one opened before it, -1 at the bottom), so that no level of
  // the evaluation's recursion needs room for one.
  int top = -1;
  for (int i = 0; i < length_; ++i) {
    if (text_[i] == '(') {
      close_[i] = static_cast<std::int16_t>(top);
      top = i;
    } else if (text_[i] == ')' && top >= 0) {
      const int open = top;
      top = close_[open];
      close_[open] = static_cast<std::int16_t>(i);
    }
  }
  while (top >= 0) {
    const int open = top;
    top = close_[open];
    close_[open] = -1;
  }
  built_ = true;
}

int BracketTable::CloseOffset(const char* open, const char* end) {
  if (!text_) return -1;
  // Compared as addresses: the span asked about may lie in another text.
  const auto at = reinterpret_cast<std::uintptr_t>(open);
  const auto begin = reinterpret_cast<std::uintptr_t>(text_);
  if (at < begin || at - begin >= static_cast<std::uintptr_t>(length_)) return -1;
  const int index = static_cast<int>(at - begin);
  if (text_[index] != '(') return -1;
  if (!built_) Build();
  const int close = close_[index];
  if (close < 0 ||
      reinterpret_cast<std::uintptr_t>(end) - begin <= static_cast<std::uintptr_t>(close))
    return -1;
  return close - index;
}

}  // namespace vantrel::expr
