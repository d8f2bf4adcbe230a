// White space as the window's text boxes know it: the ASCII controls tab to
// carriage return, the Unicode space separators, and the line and paragraph
// separators. A text of nothing else is blank, and a number's leading blanks
// are these.
#pragma once

#include <string_view>

namespace vantrel {

constexpr bool IsBlank(wchar_t c) {
  return c == L' ' || (c >= L'\t' && c <= L'\r') || c == 0x85 || c == 0xA0 || c == 0x1680 ||
         (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
         c == 0x3000;
}

// True for the empty text too.
constexpr bool IsBlank(std::wstring_view text) {
  for (const wchar_t c : text)
    if (!IsBlank(c)) return false;
  return true;
}

}  // namespace vantrel
