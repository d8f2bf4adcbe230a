// The rows of a reference table under tests/geo (tools/make-geo-reference.py
// writes them): blank-separated fields, '#' starts a comment line.
#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace vantrel::testing {

inline std::vector<std::vector<std::string>> ReferenceRows(const std::string& name) {
  std::vector<std::vector<std::string>> rows;
  std::ifstream file(std::string(VANTREL_GEO_REFERENCE_DIR) + "/" + name);
  std::string line;
  while (std::getline(file, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    rows.emplace_back();
    for (std::string field; fields >> field;) rows.back().push_back(field);
  }
  return rows;
}

}  // namespace vantrel::testing
