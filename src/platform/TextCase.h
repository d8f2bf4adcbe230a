// Letter-case folding for names that the settings file matches without regard
// to case (section and key names). Locale-free: it folds ASCII, Latin-1,
// Latin Extended-A, Greek and Cyrillic, which covers every name we ship.
#pragma once

#include <string>
#include <string_view>

namespace vantrel {

wchar_t FoldCase(wchar_t c);
// The text with every character folded: names equal but for case fold alike.
std::wstring FoldCase(std::wstring_view text);
bool EqualsIgnoreCase(std::wstring_view a, std::wstring_view b);
// A-Z in lower case and every other character as it is: where only the
// ASCII letters fold, as in find and in a new category's name.
constexpr wchar_t LowerAscii(wchar_t c) { return c >= L'A' && c <= L'Z' ? c - L'A' + L'a' : c; }

}  // namespace vantrel
