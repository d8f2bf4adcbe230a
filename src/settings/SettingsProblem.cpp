#include "settings/SettingsProblem.h"

namespace vantrel {

std::string SettingsProblemText(const std::filesystem::path& file, const FileProblem& problem) {
  return "settings file \"" + file.string() + "\" " + DescribeFileProblem(problem);
}

}  // namespace vantrel
