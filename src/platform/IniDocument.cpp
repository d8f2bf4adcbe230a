#include "platform/IniDocument.h"

#include "platform/TextCase.h"

namespace vantrel {
namespace {

constexpr std::wstring_view kBlanks = L" \t";

std::wstring_view TrimBlanks(std::wstring_view s) {
  const size_t first = s.find_first_not_of(kBlanks);
  if (first == std::wstring_view::npos) return {};
  return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

// A section header's name, or nothing when the line is not a header.
std::optional<std::wstring_view> HeaderName(std::wstring_view line) {
  const std::wstring_view t = TrimBlanks(line);
  if (t.empty() || t.front() != L'[') return std::nullopt;
  const std::wstring_view inside = t.substr(1);
  return inside.substr(0, inside.find(L']'));
}

bool IsComment(std::wstring_view line) {
  const std::wstring_view t = TrimBlanks(line);
  return !t.empty() && t.front() == L';';
}

// A line break or NUL would split or cut the line; a surrogate or a value past
// U+10FFFF has no UTF-8 form and would come back as U+FFFD.
bool CannotBeWritten(std::wstring_view s) {
  for (wchar_t c : s) {
    const auto u = static_cast<unsigned long>(c);
    if (c == L'\r' || c == L'\n' || c == L'\0' || (u >= 0xD800 && u <= 0xDFFF) || u > 0x10FFFF)
      return true;
  }
  return false;
}

}  // namespace

IniDocument IniDocument::Parse(std::wstring_view text) {
  IniDocument doc;
  bool sawEnd = false;
  while (!text.empty()) {
    const size_t nl = text.find(L'\n');
    Line line;
    if (nl == std::wstring_view::npos) {
      line.text = text;
      text = {};
    } else {
      const bool crlf = nl > 0 && text[nl - 1] == L'\r';
      line.text = text.substr(0, crlf ? nl - 1 : nl);
      line.end = crlf ? L"\r\n" : L"\n";
      if (!sawEnd) doc.newline_ = line.end, sawEnd = true;
      text.remove_prefix(nl + 1);
    }
    doc.lines_.push_back(std::move(line));
  }
  return doc;
}

template <typename Visit>
void IniDocument::ForEachEntry(std::wstring_view section, Visit visit) const {
  bool inSection = false;
  for (size_t i = 0; i < lines_.size(); ++i) {
    const std::wstring_view line = lines_[i].text;
    if (const auto name = HeaderName(line)) {
      inSection = EqualsIgnoreCase(*name, section);
      continue;
    }
    if (!inSection || IsComment(line)) continue;
    const size_t eq = line.find(L'=');
    if (eq == std::wstring_view::npos) continue;
    if (!visit(i, line.substr(0, eq), line.substr(eq + 1))) return;
  }
}

std::optional<std::wstring> IniDocument::Find(std::wstring_view section,
                                              std::wstring_view key) const {
  std::optional<std::wstring> found;
  ForEachEntry(section, [&](size_t, std::wstring_view k, std::wstring_view v) {
    if (!EqualsIgnoreCase(k, key)) return true;
    found = std::wstring(v);
    return false;
  });
  return found;
}

std::vector<IniEntry> IniDocument::Section(std::wstring_view section) const {
  std::vector<IniEntry> entries;
  ForEachEntry(section, [&](size_t, std::wstring_view k, std::wstring_view v) {
    entries.push_back({std::wstring(k), std::wstring(v)});
    return true;
  });
  return entries;
}

void IniDocument::Set(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
  std::optional<size_t> existing;
  ForEachEntry(section, [&](size_t i, std::wstring_view k, std::wstring_view) {
    if (!EqualsIgnoreCase(k, key)) return true;
    existing = i;
    return false;
  });
  if (existing) {
    // Keep the key as the file spells it; only the value changes.
    std::wstring& text = lines_[*existing].text;
    text.resize(text.find(L'=') + 1);
    text += value;
    return;
  }
  std::wstring entry(key);
  entry += L'=';
  entry += value;

  // The first section of that name: insert after its last non-blank line.
  std::optional<size_t> insertAt;
  for (size_t i = 0; i < lines_.size(); ++i) {
    const auto name = HeaderName(lines_[i].text);
    if (!name) continue;
    if (insertAt) break;
    if (!EqualsIgnoreCase(*name, section)) continue;
    insertAt = i + 1;
    for (size_t j = i + 1; j < lines_.size() && !HeaderName(lines_[j].text); ++j) {
      if (!TrimBlanks(lines_[j].text).empty()) insertAt = j + 1;
    }
  }
  if (!lines_.empty() && lines_.back().end.empty()) lines_.back().end = newline_;
  if (insertAt) {
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*insertAt),
                  Line{std::move(entry), newline_});
    return;
  }
  lines_.push_back(Line{L"[" + std::wstring(section) + L"]", newline_});
  lines_.push_back(Line{std::move(entry), newline_});
}

bool IniDocument::HasOtherSpelling(std::wstring_view section, std::wstring_view key) const {
  bool found = false;
  ForEachEntry(section, [&](size_t, std::wstring_view k, std::wstring_view) {
    found = k != key && EqualsIgnoreCase(k, key);
    return !found;
  });
  return found;
}

bool IniDocument::Remove(std::wstring_view section, std::wstring_view key) {
  std::vector<size_t> doomed;
  ForEachEntry(section, [&](size_t i, std::wstring_view k, std::wstring_view) {
    if (EqualsIgnoreCase(k, key)) doomed.push_back(i);
    return true;
  });
  for (auto it = doomed.rbegin(); it != doomed.rend(); ++it) {
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*it));
  }
  return !doomed.empty();
}

std::wstring IniDocument::Text() const {
  std::wstring text;
  for (const Line& line : lines_) {
    text += line.text;
    text += line.end;
  }
  return text;
}

bool IsWritableSectionName(std::wstring_view name) {
  return !CannotBeWritten(name) && name.find(L']') == std::wstring_view::npos;
}

bool IsWritableKeyName(std::wstring_view name) {
  if (CannotBeWritten(name) || name.find(L'=') != std::wstring_view::npos) return false;
  const std::wstring_view t = TrimBlanks(name);
  return t.empty() || (t.front() != L'[' && t.front() != L';');
}

bool IsWritableValue(std::wstring_view value) { return !CannotBeWritten(value); }

}  // namespace vantrel
