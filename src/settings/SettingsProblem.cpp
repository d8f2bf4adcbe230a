#include "settings/SettingsProblem.h"

namespace vantrel {
namespace {

std::string Quoted(const std::filesystem::path& file) { return "\"" + file.string() + "\""; }

const char* Reason(RootDistrust distrust) {
  switch (distrust) {
    case RootDistrust::kNone:
      break;
    case RootDistrust::kFolderNotMine:
      return "its folder belongs to another user";
    case RootDistrust::kFolderShared:
      return "other users may write to its folder";
    case RootDistrust::kFileNotMine:
      return "it belongs to another user";
    case RootDistrust::kFileShared:
      return "other users may write to it";
  }
  return "";
}

}  // namespace

std::string SettingsProblemText(const std::filesystem::path& file, const FileProblem& problem) {
  return "settings file " + Quoted(file) + " " + DescribeFileProblem(problem);
}

std::string UntrustedRootText(const SettingsLocation& location) {
  if (location.distrust == RootDistrust::kNone) return {};
  std::string text = "settings file " + Quoted(location.untrustedRootFile) +
                     " is not trusted: " + Reason(location.distrust);
  text += location.settingsPath.empty() ? "; going on with the default settings"
                                        : "; " + Quoted(location.settingsPath) + " is used instead";
  return text;
}

}  // namespace vantrel
