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
  std::wstring key;
  std::wstring value;
};

// One key=value to set in a section.
struct IniWrite {
  std::wstring_view section;
  std::wstring_view key;
  std::wstring_view value;
};

class IniDocument {
 public:
  // Parses decoded text; any text parses.
  static IniDocument Parse(std::wstring_view text);

  // The value of the first entry with that key in a section of that name.
  std::optional<std::wstring> Find(std::wstring_view section, std::wstring_view key) const;

  // Every key=value entry of every section of that name, in file order.
  std::vector<IniEntry> Section(std::wstring_view section) const;

  // Replaces the first entry's value, or adds the entry at the end of the first
  // section of that name, or adds the section at the end of the document.
  void Set(std::wstring_view section, std::wstring_view key, std::wstring_view value);

  // Set for each write in turn, with the same result, but the document is
  // read through once per section named instead of once per write.
  void SetEach(const std::vector<IniWrite>& writes);

  // Whether a section of that name has an entry whose key matches but for
  // letter case.
  bool HasOtherSpelling(std::wstring_view section, std::wstring_view key) const;

  // Removes every entry with that key in sections of that name; true if any.
  bool Remove(std::wstring_view section, std::wstring_view key);
  // Removes only the entries that are exactly key=value, as Section gives
  // them; true if any.
  bool RemoveEntry(std::wstring_view section, std::wstring_view key, std::wstring_view value);

  std::wstring Text() const;

 private:
  enum class LineEnd : unsigned char { kNone, kLf, kCrLf };
  enum class Kind : unsigned char { kHeader, kEntry, kOther };
  // A line, and what it is, found once: a section header, an entry (with
  // the place of its first '='), or neither (blank, comment, noise).
  struct Line {
    Line(std::wstring lineText, LineEnd lineEnd);
    std::wstring text;
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
    std::unordered_map<std::wstring, size_t> keys;
    std::vector<Line> added;
    std::unordered_map<std::wstring, size_t> addedKeys;
  };
  SectionPlan PlanSection(std::wstring_view section) const;
  static void SetValue(Line& line, std::wstring_view value);

  // Calls visit(index, key, value) for each entry line of matching sections
  // until it returns false.
  template <typename Visit>
  void ForEachEntry(std::wstring_view section, Visit visit) const;
  // Removes the entry lines of matching sections for which match(key, value).
  template <typename Match>
  bool RemoveEach(std::wstring_view section, Match match);
};

// Whether a name can be written as a section or key and read back unchanged.
bool IsWritableSectionName(std::wstring_view name);
bool IsWritableKeyName(std::wstring_view name);
bool IsWritableValue(std::wstring_view value);

}  // namespace vantrel
