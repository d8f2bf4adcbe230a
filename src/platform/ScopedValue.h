// Gives a variable another value while it lives and the old one back when it
// ends, also when an exception passes: no state is left pointing at a scope
// that is gone.
#pragma once

#include <utility>

namespace vantrel {

template <typename T>
class ScopedValue {
 public:
  ScopedValue(T& variable, T value)
      : variable_(variable), was_(std::exchange(variable, std::move(value))) {}
  ~ScopedValue() { variable_ = std::move(was_); }
  ScopedValue(const ScopedValue&) = delete;
  ScopedValue& operator=(const ScopedValue&) = delete;

 private:
  T& variable_;
  T was_;
};

}  // namespace vantrel
