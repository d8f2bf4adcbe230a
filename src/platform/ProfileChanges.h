// A list of key writes and deletes for a settings file, applied in the order
// they were recorded. Profile applies a whole list as one replace of the file,
// which leaves the same bytes as writing the keys one by one.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/IniDocument.h"

namespace vantrel {

enum class KeySpelling {
  kAsInFile,  // a key already in the file keeps its letter case
  kAsGiven,   // a key in other letters goes, and the entry is written anew
};

class ProfileChanges {
 public:
  // Each records nothing and returns false when a name or the value cannot
  // be written and read back unchanged.
  bool WriteString(std::string_view section, std::string_view key, std::string_view value,
                   KeySpelling spelling = KeySpelling::kAsInFile);
  bool WriteInt(std::string_view section, std::string_view key, int value);
  // Deleting an absent key is no error.
  bool DeleteKey(std::string_view section, std::string_view key);
  // Deletes only the entries that are exactly key=value: one of several
  // entries that share a key.
  bool DeleteEntry(std::string_view section, std::string_view key, std::string_view value);

  bool Empty() const { return changes_.empty(); }
  size_t Size() const { return changes_.size(); }
  void Append(const ProfileChanges& later);
  void ApplyTo(IniDocument& document) const;

 private:
  struct Change {
    std::string section;
    std::string key;
    std::optional<std::string> value;  // nothing: delete
    KeySpelling spelling;
    std::optional<std::string> deletedValue;  // a delete of this entry only
  };
  std::vector<Change> changes_;
};

}  // namespace vantrel
