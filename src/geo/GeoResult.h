// What the text readers, the checked UTM conversions and MGRS return: a
// value, or why there is none. The kinds of failure let a command line tell
// a text it cannot read (a usage error) from one it read but must refuse.
#pragma once

#include <string>
#include <utility>

#include "platform/Result.h"

namespace vantrel {

enum class GeoError {
  kNone,
  kMalformed,   // the text cannot be read, or can be read more than one way
  kOutOfRange,  // read, but a value lies outside what it may be
  kImprecise,   // in range, but the classic series cannot answer it to its stated accuracy
};

template <typename T>
using GeoResult = Result<T, GeoError>;

template <typename T>
GeoResult<T> GeoFailure(GeoError error, std::string message) {
  return {error, std::move(message)};
}

}  // namespace vantrel
