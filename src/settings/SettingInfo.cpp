#include "settings/SettingInfo.h"

namespace vantrel {

std::wstring ReadKey(const Profile& profile, const keys::Info<std::wstring_view>& info,
                     std::wstring_view fallback) {
  std::wstring value =
      profile.GetString(info.location.section, info.location.name, info.defaultValue);
  if (value.empty() && !info.mayBeEmpty) return std::wstring(fallback);
  return value;
}

bool WriteKey(Profile& profile, const keys::Info<std::wstring_view>& info,
              std::wstring_view value) {
  return profile.WriteString(info.location.section, info.location.name, value);
}

}  // namespace vantrel
