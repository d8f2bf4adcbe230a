// What a fallible operation of the core returns instead of a flag and an
// out-parameter: its value, or the kind of failure and why. `Error` is an
// enumeration whose zero value means success. Some failures still carry a
// value (a result that is not finite, the candidates of an ambiguous name):
// the operation says when.
#pragma once

#include <string>
#include <utility>

namespace vantrel {

template <typename T, typename Error>
struct Result {
  Result() = default;
  Result(T v) : value(std::move(v)) {}  // NOLINT: a value is a success
  Result(Error kind, std::string why, T v = T{})
      : value(std::move(v)), error(kind), message(std::move(why)) {}

  T value{};
  Error error{};
  std::string message;  // one line, UTF-8; empty when there is no error

  bool ok() const { return error == Error{}; }
  explicit operator bool() const { return ok(); }
};

}  // namespace vantrel
