#include "platform/TextCase.h"

#include "platform/TextEncoding.h"

namespace vantrel {
namespace {

// The character at text[at] folded, and its length; a byte that is no UTF-8
// is a character of its own, above every code point, that folds to itself.
std::size_t FoldedAt(std::string_view text, std::size_t at, char32_t& folded) {
  const auto byte = static_cast<unsigned char>(text[at]);
  char32_t c;
  const std::size_t length = byte < 0x80 ? 0 : DecodeUtf8At(text, at, c);
  if (length == 0) {
    folded =
        byte < 0x80 ? static_cast<char32_t>(LowerAscii(static_cast<char>(byte))) : 0x110000 + byte;
    return 1;
  }
  folded = FoldCase(c);
  return length;
}

}  // namespace

char32_t FoldCase(char32_t c) {
  const auto u = static_cast<unsigned long>(c);
  if (u < 0x80) return (u >= 'A' && u <= 'Z') ? static_cast<char32_t>(u + 32) : c;
  if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return static_cast<char32_t>(u + 32);
  if (u >= 0x100 && u <= 0x137 && (u % 2) == 0) return static_cast<char32_t>(u + 1);
  if (u >= 0x139 && u <= 0x148 && (u % 2) == 1) return static_cast<char32_t>(u + 1);
  if (u >= 0x14A && u <= 0x177 && (u % 2) == 0) return static_cast<char32_t>(u + 1);
  if (u == 0x178) return static_cast<char32_t>(0xFF);
  if (u >= 0x179 && u <= 0x17E && (u % 2) == 1) return static_cast<char32_t>(u + 1);
  if (u >= 0x391 && u <= 0x3AB && u != 0x3A2) return static_cast<char32_t>(u + 32);
  if (u >= 0x410 && u <= 0x42F) return static_cast<char32_t>(u + 32);
  if (u >= 0x400 && u <= 0x40F) return static_cast<char32_t>(u + 80);
  return c;
}

std::string FoldCase(std::string_view text) {
  std::string folded;
  folded.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    char32_t c;
    const std::size_t length = FoldedAt(text, i, c);
    if (c >= 0x110000)
      folded += text[i];
    else
      AppendUtf8(folded, c);
    i += length;
  }
  return folded;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  // Folding keeps every character's length, so texts of other lengths differ.
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size();) {
    if (a[i] == b[i] && static_cast<unsigned char>(a[i]) < 0x80) {
      ++i;
      continue;
    }
    char32_t ca, cb;
    const std::size_t length = FoldedAt(a, i, ca);
    if (FoldedAt(b, i, cb) != length || ca != cb) return false;
    i += length;
  }
  return true;
}

}  // namespace vantrel
