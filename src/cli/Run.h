// The whole of vantrel-convert behind its main(), with the streams and the
// settings file passed in so that tests can run it in process.
#pragma once

#include <filesystem>
#include <istream>
#include <ostream>
#include <string_view>

#include "cli/CommandLine.h"

namespace vantrel::cli {

// `settingsNotice`: why the settings file is not where the program's place
// would have it (UntrustedRootText), said before the settings are read.
int Run(const Arguments& args, const std::filesystem::path& settingsFile, std::istream& in,
        std::ostream& out, std::ostream& err, std::string_view settingsNotice = {});

}  // namespace vantrel::cli
