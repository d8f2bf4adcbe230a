#include "platform/IniDocument.h"

#include <algorithm>

#include "platform/TextCase.h"
#include "platform/TextEncoding.h"

namespace vantrel {
namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view TrimBlanks(std::string_view s) {
  const size_t first = s.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

// A section header's name, or nothing when the line is not a header.
std::optional<std::string_view> HeaderName(std::string_view line) {
  const std::string_view t = TrimBlanks(line);
  if (t.empty() || t.front() != '[') return std::nullopt;
  const std::string_view inside = t.substr(1);
  return inside.substr(0, inside.find(']'));
}

bool IsComment(std::string_view line) {
  const std::string_view t = TrimBlanks(line);
  return !t.empty() && t.front() == ';';
}

// A line break or NUL would split or cut the line; bytes that are no UTF-8
// would be read back as Windows-1252, as another text.
bool CannotBeWritten(std::string_view s) {
  return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos ||
         !IsValidUtf8(s);
}

std::string HeaderText(std::string_view section) { return "[" + std::string(section) + "]"; }

std::string EntryText(std::string_view key, std::string_view value) {
  std::string entry(key);
  entry += '=';
  entry += value;
  return entry;
}

}  // namespace

IniDocument::Line::Line(std::string lineText, LineEnd lineEnd)
    : text(std::move(lineText)), end(lineEnd), kind(Kind::kOther) {
  if (HeaderName(text)) {
    kind = Kind::kHeader;
  } else if (!IsComment(text)) {
    equals = text.find('=');
    if (equals != std::string::npos) kind = Kind::kEntry;
  }
}

IniDocument IniDocument::Parse(std::string_view text) {
  IniDocument doc;
  bool sawEnd = false;
  while (!text.empty()) {
    const size_t nl = text.find('\n');
    if (nl == std::string_view::npos) {
      doc.lines_.emplace_back(std::string(text), LineEnd::kNone);
      break;
    }
    const bool crlf = nl > 0 && text[nl - 1] == '\r';
    const LineEnd end = crlf ? LineEnd::kCrLf : LineEnd::kLf;
    if (!sawEnd) doc.newline_ = end, sawEnd = true;
    doc.lines_.emplace_back(std::string(text.substr(0, crlf ? nl - 1 : nl)), end);
    text.remove_prefix(nl + 1);
  }
  return doc;
}

template <typename Visit>
void IniDocument::ForEachEntry(std::string_view section, Visit visit) const {
  bool inSection = false;
  for (size_t i = 0; i < lines_.size(); ++i) {
    const Line& line = lines_[i];
    if (line.kind == Kind::kHeader) {
      inSection = EqualsIgnoreCase(*HeaderName(line.text), section);
      continue;
    }
    if (!inSection || line.kind != Kind::kEntry) continue;
    const std::string_view text = line.text;
    if (!visit(i, text.substr(0, line.equals), text.substr(line.equals + 1))) return;
  }
}

std::optional<std::string> IniDocument::Find(std::string_view section, std::string_view key) const {
  std::optional<std::string> found;
  ForEachEntry(section, [&](size_t, std::string_view k, std::string_view v) {
    if (!EqualsIgnoreCase(k, key)) return true;
    found = std::string(v);
    return false;
  });
  return found;
}

std::vector<IniEntry> IniDocument::Section(std::string_view section) const {
  std::vector<IniEntry> entries;
  ForEachEntry(section, [&](size_t, std::string_view k, std::string_view v) {
    entries.push_back({std::string(k), std::string(v)});
    return true;
  });
  return entries;
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  std::optional<size_t> existing;
  ForEachEntry(section, [&](size_t i, std::string_view k, std::string_view) {
    if (!EqualsIgnoreCase(k, key)) return true;
    existing = i;
    return false;
  });
  if (existing) {
    SetValue(lines_[*existing], value);
    return;
  }
  std::string entry = EntryText(key, value);
  // The first section of that name: insert after its last non-blank line.
  std::optional<size_t> insertAt;
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].kind != Kind::kHeader) continue;
    if (insertAt) break;
    if (!EqualsIgnoreCase(*HeaderName(lines_[i].text), section)) continue;
    insertAt = i + 1;
    for (size_t j = i + 1; j < lines_.size() && lines_[j].kind != Kind::kHeader; ++j) {
      if (!TrimBlanks(lines_[j].text).empty()) insertAt = j + 1;
    }
  }
  if (!lines_.empty() && lines_.back().end == LineEnd::kNone) lines_.back().end = newline_;
  if (insertAt) {
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*insertAt),
                  Line(std::move(entry), newline_));
    return;
  }
  lines_.emplace_back(HeaderText(section), newline_);
  lines_.emplace_back(std::move(entry), newline_);
}

void IniDocument::SetValue(Line& line, std::string_view value) {
  // Keep the key as the file spells it; only the value changes.
  line.text.resize(line.equals + 1);
  line.text += value;
}

IniDocument::SectionPlan IniDocument::PlanSection(std::string_view section) const {
  SectionPlan plan;
  bool inSection = false;
  bool inFirst = false;
  for (size_t i = 0; i < lines_.size(); ++i) {
    const Line& line = lines_[i];
    if (line.kind == Kind::kHeader) {
      inSection = EqualsIgnoreCase(*HeaderName(line.text), section);
      inFirst = inSection && !plan.header;
      if (inFirst) plan.header = i, plan.insertAt = i + 1;
      continue;
    }
    if (!inSection) continue;
    if (inFirst && !TrimBlanks(line.text).empty()) plan.insertAt = i + 1;
    if (line.kind == Kind::kEntry) {
      plan.keys.try_emplace(FoldCase(std::string_view(line.text).substr(0, line.equals)), i);
    }
  }
  return plan;
}

void IniDocument::SetEach(const std::vector<IniWrite>& writes) {
  std::unordered_map<std::string, SectionPlan> plans;
  std::vector<std::string> newSections;  // folded, in the order they are made
  for (const IniWrite& write : writes) {
    std::string folded = FoldCase(write.section);
    auto found = plans.find(folded);
    if (found == plans.end()) found = plans.emplace(folded, PlanSection(write.section)).first;
    SectionPlan& plan = found->second;
    std::string key = FoldCase(write.key);
    if (auto line = plan.keys.find(key); line != plan.keys.end()) {
      SetValue(lines_[line->second], write.value);
      continue;
    }
    if (auto line = plan.addedKeys.find(key); line != plan.addedKeys.end()) {
      SetValue(plan.added[line->second], write.value);
      continue;
    }
    if (!plan.header && plan.added.empty()) {
      newSections.push_back(folded);
      plan.added.emplace_back(HeaderText(write.section), newline_);
    }
    plan.addedKeys.emplace(std::move(key), plan.added.size());
    plan.added.emplace_back(EntryText(write.key, write.value), newline_);
  }

  // The new lines of the file's sections, in file order, then the new sections.
  std::vector<SectionPlan*> within;
  for (auto& [name, plan] : plans) {
    if (plan.header && !plan.added.empty()) within.push_back(&plan);
  }
  if (within.empty() && newSections.empty()) return;
  if (!lines_.empty() && lines_.back().end == LineEnd::kNone) lines_.back().end = newline_;
  std::sort(within.begin(), within.end(),
            [](const SectionPlan* a, const SectionPlan* b) { return a->insertAt < b->insertAt; });
  size_t count = lines_.size();
  for (const SectionPlan* plan : within) count += plan->added.size();
  for (const std::string& name : newSections) count += plans.at(name).added.size();
  std::vector<Line> merged;
  merged.reserve(count);
  size_t next = 0;
  for (SectionPlan* plan : within) {
    for (; next < plan->insertAt; ++next) merged.push_back(std::move(lines_[next]));
    for (Line& line : plan->added) merged.push_back(std::move(line));
  }
  for (; next < lines_.size(); ++next) merged.push_back(std::move(lines_[next]));
  for (const std::string& name : newSections) {
    for (Line& line : plans.at(name).added) merged.push_back(std::move(line));
  }
  lines_ = std::move(merged);
}

bool IniDocument::HasOtherSpelling(std::string_view section, std::string_view key) const {
  bool found = false;
  ForEachEntry(section, [&](size_t, std::string_view k, std::string_view) {
    found = k != key && EqualsIgnoreCase(k, key);
    return !found;
  });
  return found;
}

template <typename Match>
bool IniDocument::RemoveEach(std::string_view section, Match match) {
  std::vector<size_t> doomed;
  ForEachEntry(section, [&](size_t i, std::string_view k, std::string_view v) {
    if (match(k, v)) doomed.push_back(i);
    return true;
  });
  for (auto it = doomed.rbegin(); it != doomed.rend(); ++it) {
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*it));
  }
  return !doomed.empty();
}

bool IniDocument::Remove(std::string_view section, std::string_view key) {
  return RemoveEach(section,
                    [&](std::string_view k, std::string_view) { return EqualsIgnoreCase(k, key); });
}

bool IniDocument::RemoveEntry(std::string_view section, std::string_view key,
                              std::string_view value) {
  return RemoveEach(section,
                    [&](std::string_view k, std::string_view v) { return k == key && v == value; });
}

std::string IniDocument::Text() const {
  constexpr std::string_view kEnds[] = {"", "\n", "\r\n"};
  size_t size = 0;
  for (const Line& line : lines_) size += line.text.size() + 2;
  std::string text;
  text.reserve(size);
  for (const Line& line : lines_) {
    text += line.text;
    text += kEnds[static_cast<int>(line.end)];
  }
  return text;
}

bool IsWritableSectionName(std::string_view name) {
  return !CannotBeWritten(name) && name.find(']') == std::string_view::npos;
}

bool IsWritableKeyName(std::string_view name) {
  if (CannotBeWritten(name) || name.find('=') != std::string_view::npos) return false;
  const std::string_view t = TrimBlanks(name);
  return t.empty() || (t.front() != '[' && t.front() != ';');
}

bool IsWritableValue(std::string_view value) { return !CannotBeWritten(value); }

}  // namespace vantrel
