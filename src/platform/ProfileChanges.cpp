#include "platform/ProfileChanges.h"

namespace vantrel {

bool ProfileChanges::WriteString(std::string_view section, std::string_view key,
                                 std::string_view value, KeySpelling spelling) {
  if (!IsWritableSectionName(section) || !IsWritableKeyName(key) || !IsWritableValue(value))
    return false;
  changes_.push_back({std::string(section), std::string(key), std::string(value), spelling, {}});
  return true;
}

bool ProfileChanges::WriteInt(std::string_view section, std::string_view key, int value) {
  return WriteString(section, key, std::to_string(value));
}

bool ProfileChanges::DeleteKey(std::string_view section, std::string_view key) {
  if (!IsWritableSectionName(section) || !IsWritableKeyName(key)) return false;
  changes_.push_back({std::string(section), std::string(key), std::nullopt, KeySpelling{}, {}});
  return true;
}

bool ProfileChanges::DeleteEntry(std::string_view section, std::string_view key,
                                 std::string_view value) {
  if (!IsWritableSectionName(section)) return false;
  changes_.push_back(
      {std::string(section), std::string(key), std::nullopt, KeySpelling{}, std::string(value)});
  return true;
}

void ProfileChanges::Append(const ProfileChanges& later) {
  changes_.insert(changes_.end(), later.changes_.begin(), later.changes_.end());
}

void ProfileChanges::ApplyTo(IniDocument& document) const {
  // Runs of plain writes go in one pass over the document: a start that
  // writes a flag for each of thousands of categories stays linear.
  std::vector<IniWrite> run;
  const auto flush = [&] {
    document.SetEach(run);
    run.clear();
  };
  for (const Change& change : changes_) {
    if (change.value && change.spelling == KeySpelling::kAsInFile) {
      run.push_back({change.section, change.key, *change.value});
      continue;
    }
    flush();
    if (change.deletedValue) {
      document.RemoveEntry(change.section, change.key, *change.deletedValue);
      continue;
    }
    if (!change.value) {
      document.Remove(change.section, change.key);
      continue;
    }
    if (change.spelling == KeySpelling::kAsGiven &&
        document.HasOtherSpelling(change.section, change.key))
      document.Remove(change.section, change.key);
    document.Set(change.section, change.key, *change.value);
  }
  flush();
}

}  // namespace vantrel
