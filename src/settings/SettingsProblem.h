// The one sentence both programs use to say that the settings file cannot be
// used, and why.
#pragma once

#include <filesystem>
#include <string>

#include "platform/AtomicFile.h"

namespace vantrel {

// settings file "PATH" cannot be read: Permission denied
std::string SettingsProblemText(const std::filesystem::path& file, const FileProblem& problem);

}  // namespace vantrel
