#include "settings/SettingInfo.h"

namespace vantrel {

std::string ReadKey(const Profile& profile, const keys::Info<std::string_view>& info,
                    std::string_view fallback) {
  std::string value =
      profile.GetString(info.location.section, info.location.name, info.defaultValue);
  if (value.empty() && !info.mayBeEmpty) return std::string(fallback);
  return value;
}

bool WriteKey(Profile& profile, const keys::Info<std::string_view>& info, std::string_view value) {
  return profile.WriteString(info.location.section, info.location.name, value);
}

}  // namespace vantrel
