#include "platform/TextCase.h"

namespace vantrel {

wchar_t FoldCase(wchar_t c) {
  const auto u = static_cast<unsigned long>(c);
  if (u < 0x80) return (u >= 'A' && u <= 'Z') ? static_cast<wchar_t>(u + 32) : c;
  if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return static_cast<wchar_t>(u + 32);
  if (u >= 0x100 && u <= 0x137 && (u % 2) == 0) return static_cast<wchar_t>(u + 1);
  if (u >= 0x139 && u <= 0x148 && (u % 2) == 1) return static_cast<wchar_t>(u + 1);
  if (u >= 0x14A && u <= 0x177 && (u % 2) == 0) return static_cast<wchar_t>(u + 1);
  if (u == 0x178) return static_cast<wchar_t>(0xFF);
  if (u >= 0x179 && u <= 0x17E && (u % 2) == 1) return static_cast<wchar_t>(u + 1);
  if (u >= 0x391 && u <= 0x3AB && u != 0x3A2) return static_cast<wchar_t>(u + 32);
  if (u >= 0x410 && u <= 0x42F) return static_cast<wchar_t>(u + 32);
  if (u >= 0x400 && u <= 0x40F) return static_cast<wchar_t>(u + 80);
  return c;
}

std::wstring FoldCase(std::wstring_view text) {
  std::wstring folded(text);
  for (wchar_t& c : folded) c = FoldCase(c);
  return folded;
}

bool EqualsIgnoreCase(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i] && FoldCase(a[i]) != FoldCase(b[i])) return false;
  }
  return true;
}

}  // namespace vantrel
