// The private-profile (INI) functions on one settings file. Nothing is cached:
// every read reads the file and every write re-reads it, changes it and
// replaces it atomically under a lock, so two processes writing the same file
// lose nothing. The file is always written as UTF-8; it reads any encoding the
// Windows edition leaves behind (UTF-8 with or without byte-order mark,
// Windows-1252, UTF-16 with byte-order mark) and any line ends.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/IniDocument.h"

namespace vantrel {

class Profile {
 public:
  Profile() = default;
  explicit Profile(std::filesystem::path file) : file_(std::move(file)) {}

  // A read-only copy of the file as it is now, for readers that must change
  // nothing and read many keys: reads never go to the disk again and every
  // write fails.
  static Profile Snapshot(std::filesystem::path file);

  const std::filesystem::path& File() const { return file_; }

  // Absent key: the default. A value that is not a number reads as its
  // leading integer, or 0.
  int GetInt(std::wstring_view section, std::wstring_view key, int defaultValue) const;
  std::wstring GetString(std::wstring_view section, std::wstring_view key,
                         std::wstring_view defaultValue) const;

  // Every key=value entry of the section, in file order (no size limit).
  std::vector<IniEntry> GetSection(std::wstring_view section) const;

  // Writes fail, changing nothing, when a name or value cannot be written
  // faithfully or the file cannot be replaced.
  bool WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value);
  bool WriteInt(std::wstring_view section, std::wstring_view key, int value);

  // Deleting an absent key succeeds.
  bool DeleteKey(std::wstring_view section, std::wstring_view key);

 private:
  IniDocument Load() const;
  // Runs read(document) on the snapshot, or on the file as it is now.
  template <typename Read>
  auto WithDocument(Read read) const;
  bool Update(std::wstring_view section, std::wstring_view key, std::wstring_view* value);

  std::filesystem::path file_;
  std::shared_ptr<const IniDocument> snapshot_;
};

}  // namespace vantrel
