// A table of texts a reader must refuse, each with the kind of error and a
// part of its one-line reason.
#pragma once

#include <gtest/gtest.h>

#include <span>
#include <string>

#include "geo/GeoResult.h"

namespace vantrel::testing {

struct Refusal {
  const char* text;
  GeoError error;
  const char* message;  // a part of it
};

template <typename Reader>
void ExpectRefusals(std::span<const Refusal> table, Reader read) {
  for (const Refusal& r : table) {
    SCOPED_TRACE(r.text);
    const auto result = read(r.text);
    EXPECT_EQ(result.error, r.error);
    EXPECT_NE(result.message.find(r.message), std::string::npos) << result.message;
    EXPECT_EQ(result.message.find('\n'), std::string::npos);
  }
}

}  // namespace vantrel::testing
