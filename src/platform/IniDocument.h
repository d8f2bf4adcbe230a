// An INI file held as its lines, so that a change touches one line and every
// other line (comments, unknown sections, blank lines, line ends) survives.
// Section and key names match without regard to letter case; otherwise keys
// and values are kept exactly as they stand, blanks included.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vantrel {

struct IniEntry {
  std::string key;
  std::string value;
};

// One key=value to set in a section.
struct IniWrite {
  std::string_view section;
  std::string_view key;
  std::string_view value;
};

class IniDocument {
 public:
  // Parses decoded text; any text parses.
  static IniDocument Parse(std::string_view text);

  // The value of the first entry with that key in a section of that name.
  std::optional<std::string> Find(std::string_view section, std::string_view key) const;

  // Every key=value entry of every section of that name, in file order.
  std::vector<IniEntry> Section(std::string_view section) const;

  // Replaces the first entry's value, or adds the entry at the end of the first
  // section of that name, or adds the section at the end of the document.
  void Set(std::string_view section, std::string_view key, std::string_view value);

  // Set for each write in turn, with the same result, but the document is
  // read through once per section named instead of once per write.
  void SetEach(const std::vector<IniWrite>& writes);

  // Whether a section of that name has an entry whose key matches but for
  // letter case.
  bool HasOtherSpelling(std::string_view section, std::string_view key) const;

  // Removes every entry with that key in sections of that name; true if any.
  bool Remove(std::string_view section, std::string_view key);
  // Removes only the entries that are exactly key=value, as Section gives
  // them; true if any.
  bool RemoveEntry(std::string_view section, std::string_view key, std::string_view value);

  std::string Text() const;

 private:
  enum class LineEnd : unsigned char { kNone, kLf, kCrLf };
  enum class Kind : unsigned char { kHeader, kEntry, kOther };
  // A line, and what it is, found once: a section header, an entry (with
  // the place of its first '='), or neither (blank, comment, noise).
  struct Line {
    Line(std::string lineText, LineEnd lineEnd);
    std::string text;
    LineEnd end;
    Kind kind;
    size_t equals = 0;
  };
  std::vector<Line> lines_;
  LineEnd newline_ = LineEnd::kLf;

  // Where a write to a section lands: the line of each key the file has (the
  // first of that key in every section of that name), else the new lines
  // after the first such section's last non-blank line, or, without one, at
  // the end of the document.
  struct SectionPlan {
    std::optional<size_t> header;
    size_t insertAt = 0;
    std::unordered_map<std::string, size_t> keys;
    std::vector<Line> added;
    std::unordered_map<std::string, size_t> addedKeys;
  };
  SectionPlan PlanSection(std::string_view section) const;
  static void SetValue(Line& line, std::string_view value);

  // Calls visit(index, key, value) for each entry line of matching sections
  // until it returns false.
  template <typename Visit>
  void ForEachEntry(std::string_view section, Visit visit) const;
  // Removes the entry lines of matching sections for which match(key, value).
  template <typename Match>
  bool RemoveEach(std::string_view section, Match match);
};

// Whether a name can be written as a section or key and read back unchanged.
bool IsWritableSectionName(std::string_view name);
bool IsWritableKeyName(std::string_view name);
bool IsWritableValue(std::string_view value);

}  // namespace vantrel
