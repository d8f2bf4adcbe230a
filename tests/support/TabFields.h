// The tab-separated fields of one line of vantrel-convert's output.
#pragma once

#include <string>
#include <vector>

namespace vantrel::testing {

inline std::vector<std::string> TabFields(const std::string& line) {
  std::vector<std::string> fields(1);
  for (char c : line) {
    if (c == '\t') {
      fields.emplace_back();
    } else if (c != '\n') {
      fields.back() += c;
    }
  }
  return fields;
}

}  // namespace vantrel::testing
