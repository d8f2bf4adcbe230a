// A settings key described once: its section and name, its type, its default
// and the values it may hold. The preferences are read and written through
// these descriptions, so every fact about a key stands in one place.
#pragma once

#include <limits>
#include <string>
#include <string_view>
#include <type_traits>

#include "platform/Profile.h"

namespace vantrel::keys {

struct Location {
  std::string_view section;
  std::string_view name;
};

// The values an integer key may hold: any unless narrowed. A reader clamps a
// stored value outside them (a hand-edited file) into the range, or refuses
// it and takes its fallback.
template <typename T>
struct Range {
  static_assert(std::is_same_v<T, int> || std::is_enum_v<T>, "stored as an int");

  T lowest = static_cast<T>(std::numeric_limits<int>::min());
  T highest = static_cast<T>(std::numeric_limits<int>::max());
  bool clamps = false;

  constexpr bool Contains(T value) const { return lowest <= value && value <= highest; }
  constexpr T Clamp(T value) const {
    return value < lowest ? lowest : highest < value ? highest : value;
  }
};

template <typename T>
struct Info {
  Location location;
  T defaultValue;
  Range<T> range{};
};

// A text key; where it may not be empty, an empty text is refused.
template <>
struct Info<std::string_view> {
  Location location;
  std::string_view defaultValue;
  bool mayBeEmpty = true;
};

}  // namespace vantrel::keys

namespace vantrel {

// The stored value, or the key's default when the file has none. A value
// outside the key's range comes back clamped, or as `fallback`, which is the
// default unless the caller keeps another.
template <typename T>
T ReadKey(const Profile& profile, const keys::Info<T>& info, std::type_identity_t<T> fallback) {
  const auto& [section, name] = info.location;
  const T value =
      static_cast<T>(profile.GetInt(section, name, static_cast<int>(info.defaultValue)));
  if (info.range.Contains(value)) return value;
  return info.range.clamps ? info.range.Clamp(value) : fallback;
}

template <typename T>
T ReadKey(const Profile& profile, const keys::Info<T>& info) {
  return ReadKey(profile, info, info.defaultValue);
}

std::string ReadKey(const Profile& profile, const keys::Info<std::string_view>& info,
                    std::string_view fallback);

// Writes the value as it is (inside an open batch: takes it into the batch);
// false when it could not be written.
template <typename T>
bool WriteKey(Profile& profile, const keys::Info<T>& info, std::type_identity_t<T> value) {
  return profile.WriteInt(info.location.section, info.location.name, static_cast<int>(value));
}

bool WriteKey(Profile& profile, const keys::Info<std::string_view>& info, std::string_view value);

}  // namespace vantrel
