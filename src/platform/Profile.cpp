#include "platform/Profile.h"

#include "platform/AtomicFile.h"
#include "platform/NumberText.h"
#include "platform/TextEncoding.h"

namespace vantrel {

IniDocument Profile::Load() const {
  const auto bytes = file_.empty() ? std::nullopt : ReadWholeFile(file_);
  return bytes ? IniDocument::Parse(DecodeTextFile(*bytes)) : IniDocument{};
}

Profile Profile::Snapshot(std::filesystem::path file) {
  Profile profile(std::move(file));
  profile.snapshot_ = std::make_shared<const IniDocument>(profile.Load());
  return profile;
}

template <typename Read>
auto Profile::WithDocument(Read read) const {
  if (snapshot_) return read(*snapshot_);
  const IniDocument document = Load();
  return read(document);
}

int Profile::GetInt(std::wstring_view section, std::wstring_view key, int defaultValue) const {
  const auto value = WithDocument([&](const IniDocument& d) { return d.Find(section, key); });
  return value ? ParseLeadingInt(*value) : defaultValue;
}

std::wstring Profile::GetString(std::wstring_view section, std::wstring_view key,
                                std::wstring_view defaultValue) const {
  auto value = WithDocument([&](const IniDocument& d) { return d.Find(section, key); });
  return value ? std::move(*value) : std::wstring(defaultValue);
}

std::vector<IniEntry> Profile::GetSection(std::wstring_view section) const {
  return WithDocument([&](const IniDocument& d) { return d.Section(section); });
}

bool Profile::Update(std::wstring_view section, std::wstring_view key, std::wstring_view* value) {
  if (file_.empty() || snapshot_ || !IsWritableSectionName(section) || !IsWritableKeyName(key) ||
      (value && !IsWritableValue(*value)))
    return false;
  return UpdateFileAtomically(file_, [&](const std::optional<std::string>& old) {
    IniDocument doc = old ? IniDocument::Parse(DecodeTextFile(*old)) : IniDocument{};
    if (value) {
      doc.Set(section, key, *value);
    } else {
      doc.Remove(section, key);
    }
    return std::optional<std::string>(WideToUtf8(doc.Text()));
  });
}

bool Profile::WriteString(std::wstring_view section, std::wstring_view key,
                          std::wstring_view value) {
  return Update(section, key, &value);
}

bool Profile::WriteInt(std::wstring_view section, std::wstring_view key, int value) {
  const std::wstring text = std::to_wstring(value);
  std::wstring_view view = text;
  return Update(section, key, &view);
}

bool Profile::DeleteKey(std::wstring_view section, std::wstring_view key) {
  return Update(section, key, nullptr);
}

}  // namespace vantrel
