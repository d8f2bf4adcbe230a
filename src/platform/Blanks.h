// White space as the window's text boxes know it: the ASCII controls tab to
// carriage return, the Unicode space separators, and the line and paragraph
// separators. A text of nothing else is blank, and a number's leading blanks
// are these.
#pragma once

#include <cstddef>
#include <string_view>

namespace vantrel {

constexpr bool IsBlank(char32_t c) {
  return c == U' ' || (c >= U'\t' && c <= U'\r') || c == 0x85 || c == 0xA0 || c == 0x1680 ||
         (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
         c == 0x3000;
}

// The bytes of the blank at text[at] (UTF-8); 0 when there is none there.
std::size_t BlankAt(std::string_view text, std::size_t at);

// True for the empty text too.
bool IsBlank(std::string_view text);

// The text without its leading and trailing blanks.
std::string_view TrimBlanks(std::string_view text);

}  // namespace vantrel
