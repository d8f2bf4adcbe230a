// What the text readers, the checked UTM conversions and MGRS return: a
// value, or why there is none. The kinds of failure let a command line tell
// a text it cannot read (a usage error) from one it read but must refuse.
#pragma once

#include <string>
#include <utility>

namespace vantrel {

enum class GeoError {
  kNone,
  kMalformed,   // the text cannot be read, or can be read more than one way
  kOutOfRange,  // read, but a value lies outside what it may be
  kImprecise,   // in range, but the classic series cannot answer it to its stated accuracy
};

template <typename T>
struct GeoResult {
  GeoResult() = default;
  GeoResult(T v) : value(std::move(v)) {}  // NOLINT: a value is a success

  T value{};
  GeoError error = GeoError::kNone;
  std::string message;  // one line, UTF-8; empty when there is no error

  bool ok() const { return error == GeoError::kNone; }
  explicit operator bool() const { return ok(); }
};

template <typename T>
GeoResult<T> GeoFailure(GeoError error, std::string message) {
  GeoResult<T> result;
  result.error = error;
  result.message = std::move(message);
  return result;
}

}  // namespace vantrel
