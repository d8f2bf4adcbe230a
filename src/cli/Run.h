// The whole of vantrel-convert behind its main(), with the streams and the
// settings file passed in so that tests can run it in process.
#pragma once

#include <filesystem>
#include <istream>
#include <ostream>

#include "cli/CommandLine.h"

namespace vantrel::cli {

int Run(const Arguments& args, const std::filesystem::path& settingsFile, std::istream& in,
        std::ostream& out, std::ostream& err);

}  // namespace vantrel::cli
