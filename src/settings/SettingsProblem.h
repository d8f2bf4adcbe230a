// The sentences both programs use to say that the settings file cannot be
// used, and why.
#pragma once

#include <filesystem>
#include <string>

#include "platform/AtomicFile.h"
#include "settings/SettingsLocation.h"

namespace vantrel {

// settings file "PATH" cannot be read: Permission denied
std::string SettingsProblemText(const std::filesystem::path& file, const FileProblem& problem);

// settings file "ROOT" is not trusted: other users may write to its folder;
// "PATH" is used instead. Empty when no root was passed over.
std::string UntrustedRootText(const SettingsLocation& location);

}  // namespace vantrel
