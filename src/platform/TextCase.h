// Letter-case folding for names that the settings file matches without regard
// to case (section and key names). Locale-free: it folds ASCII, Latin-1,
// Latin Extended-A, Greek and Cyrillic, which covers every name we ship.
#pragma once

#include <string>
#include <string_view>

namespace vantrel {

char32_t FoldCase(char32_t c);
// The text (UTF-8) with every character folded: names equal but for case
// fold alike. Folding keeps each character's length in bytes; bytes that
// are no UTF-8 stay as they are.
std::string FoldCase(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
// A-Z in lower case and every other character as it is: where only the
// ASCII letters fold, as in find and in a new category's name.
constexpr char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; }

}  // namespace vantrel
