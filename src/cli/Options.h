// vantrel-convert's command line.
#pragma once

#include <optional>
#include <string>

#include "cli/CommandLine.h"
#include "settings/SettingsKeys.h"

namespace vantrel::cli {

enum class Mode { kConvert, kBatch, kList, kCategories, kInfo, kAll, kHelp, kVersion };

struct Options {
  Mode mode = Mode::kConvert;
  // VALUE FROM TO for a conversion, VALUE FROM with --all, UNIT with --info;
  // the optional CATEGORY of --list.
  Arguments positional;
  std::optional<std::string> category;
  std::optional<ResultMode> format;  // overrides the stored result format
  std::optional<int> precision;
};

// False with a one-line reason for a usage error. An argument that starts
// with "-" and a digit or "." is a value, not an option ("-1").
bool ParseOptions(const Arguments& args, Options& options, std::string& error);

}  // namespace vantrel::cli
