#include "platform/Blanks.h"

#include "platform/TextEncoding.h"

namespace vantrel {

std::size_t BlankAt(std::string_view text, std::size_t at) {
  char32_t c;
  const std::size_t length = DecodeUtf8At(text, at, c);
  return length != 0 && IsBlank(c) ? length : 0;
}

bool IsBlank(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t blank = BlankAt(text, i);
    if (blank == 0) return false;
    i += blank;
  }
  return true;
}

std::string_view TrimBlanks(std::string_view text) {
  while (const std::size_t blank = text.empty() ? 0 : BlankAt(text, 0)) text.remove_prefix(blank);
  while (!text.empty()) {
    // The last character starts at the last byte that is no continuation byte.
    std::size_t last = text.size() - 1;
    while (last > 0 && text.size() - last < 4 &&
           (static_cast<unsigned char>(text[last]) & 0xC0) == 0x80)
      --last;
    if (BlankAt(text, last) != text.size() - last) break;
    text.remove_suffix(text.size() - last);
  }
  return text;
}

}  // namespace vantrel
