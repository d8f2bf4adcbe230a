#include "platform/TextEncoding.h"

#include <array>
#include <cstdint>

namespace vantrel {
namespace {

constexpr wchar_t kReplacement = 0xFFFD;

// Decodes one UTF-8 sequence at bytes[i]; returns its length, or 0 if malformed.
size_t DecodeUtf8At(std::string_view bytes, size_t i, char32_t& out) {
  const auto b0 = static_cast<unsigned char>(bytes[i]);
  if (b0 < 0x80) {
    out = b0;
    return 1;
  }
  size_t len;
  char32_t cp;
  char32_t min;
  if ((b0 & 0xE0) == 0xC0) {
    len = 2, cp = b0 & 0x1F, min = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    len = 3, cp = b0 & 0x0F, min = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    len = 4, cp = b0 & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (i + len > bytes.size()) return 0;
  for (size_t k = 1; k < len; ++k) {
    const auto b = static_cast<unsigned char>(bytes[i + k]);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  out = cp;
  return len;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = kReplacement;
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// 0x80..0x9F of Windows-1252; the undefined five keep their own value.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

namespace {

// Decodes UTF-8 into `out`; false at the first malformed sequence, unless
// `replace` turns each into U+FFFD. Runs of ASCII, nearly all of a settings
// file, are copied without decoding.
bool DecodeUtf8(std::string_view utf8, std::wstring& out, bool replace) {
  const size_t start = out.size();
  out.resize(start + utf8.size());
  wchar_t* to = out.data() + start;
  for (size_t i = 0; i < utf8.size();) {
    if (static_cast<unsigned char>(utf8[i]) < 0x80) {
      *to++ = static_cast<wchar_t>(utf8[i++]);
      continue;
    }
    char32_t cp;
    const size_t len = DecodeUtf8At(utf8, i, cp);
    if (len == 0 && !replace) return false;
    *to++ = len == 0 ? kReplacement : static_cast<wchar_t>(cp);
    i += len == 0 ? 1 : len;
  }
  out.resize(static_cast<size_t>(to - out.data()));
  return true;
}

}  // namespace

std::wstring Utf8ToWide(std::string_view utf8) {
  std::wstring out;
  DecodeUtf8(utf8, out, true);
  return out;
}

std::string WideToUtf8(std::wstring_view wide) {
  std::string out;
  out.reserve(wide.size());
  for (size_t i = 0; i < wide.size();) {
    // A run of ASCII in one append.
    size_t end = i;
    while (end < wide.size() && static_cast<std::uint32_t>(wide[end]) < 0x80) ++end;
    if (end > i) {
      const size_t at = out.size();
      out.resize(at + (end - i));
      for (size_t k = i; k < end; ++k) out[at + k - i] = static_cast<char>(wide[k]);
      i = end;
      continue;
    }
    AppendUtf8(out, static_cast<char32_t>(wide[i++]));
  }
  return out;
}

bool IsValidUtf8(std::string_view bytes) {
  for (size_t i = 0; i < bytes.size();) {
    char32_t cp;
    const size_t len = DecodeUtf8At(bytes, i, cp);
    if (len == 0) return false;
    i += len;
  }
  return true;
}

std::string QuotableUtf8(std::string_view bytes, std::size_t most) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  std::size_t shown = 0;
  for (size_t i = 0; i < bytes.size(); ++shown) {
    if (shown == most) return out + "...";
    char32_t cp;
    const size_t len = DecodeUtf8At(bytes, i, cp);
    if (len == 0 || cp < 0x20 || cp == 0x7F || (cp >= 0x80 && cp < 0xA0)) {
      for (const size_t end = i + (len == 0 ? 1 : len); i < end; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out += {'\\', 'x', kHex[b >> 4], kHex[b & 15]};
      }
      continue;
    }
    out += bytes.substr(i, len);
    i += len;
  }
  return out;
}

std::string Quoted(std::wstring_view text) { return "'" + WideToUtf8(text) + "'"; }

std::wstring Cp1252ToWide(std::string_view bytes) {
  std::wstring out;
  out.reserve(bytes.size());
  for (char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    out += (b >= 0x80 && b < 0xA0) ? static_cast<wchar_t>(kCp1252High[b - 0x80])
                                   : static_cast<wchar_t>(b);
  }
  return out;
}

std::string WideToAnsi(std::wstring_view wide) {
  std::string out;
  out.reserve(wide.size());
  for (wchar_t c : wide) {
    const auto cp = static_cast<char32_t>(c);
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
      out += static_cast<char>(cp);
      continue;
    }
    char mapped = '?';
    for (size_t k = 0; k < kCp1252High.size(); ++k) {
      if (kCp1252High[k] == cp) {
        mapped = static_cast<char>(0x80 + k);
        break;
      }
    }
    out += mapped;
  }
  return out;
}

std::wstring Utf16ToWide(std::string_view bytes, bool bigEndian) {
  std::wstring out;
  out.reserve(bytes.size() / 2);
  auto unit = [&](size_t i) -> char16_t {
    const auto a = static_cast<unsigned char>(bytes[i]);
    const auto b = static_cast<unsigned char>(bytes[i + 1]);
    return static_cast<char16_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
  };
  const size_t n = bytes.size() / 2 * 2;
  for (size_t i = 0; i < n; i += 2) {
    const char16_t u = unit(i);
    if (u >= 0xD800 && u <= 0xDBFF && i + 2 < n) {
      const char16_t v = unit(i + 2);
      if (v >= 0xDC00 && v <= 0xDFFF) {
        out += static_cast<wchar_t>(0x10000 + ((u - 0xD800) << 10) + (v - 0xDC00));
        i += 2;
        continue;
      }
    }
    out += (u >= 0xD800 && u <= 0xDFFF) ? kReplacement : static_cast<wchar_t>(u);
  }
  return out;
}

std::wstring DecodeTextFile(std::string_view bytes) {
  if (bytes.size() >= 2) {
    const auto b0 = static_cast<unsigned char>(bytes[0]);
    const auto b1 = static_cast<unsigned char>(bytes[1]);
    if (b0 == 0xFF && b1 == 0xFE) return Utf16ToWide(bytes.substr(2), false);
    if (b0 == 0xFE && b1 == 0xFF) return Utf16ToWide(bytes.substr(2), true);
  }
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  std::wstring out;
  if (DecodeUtf8(bytes, out, false)) return out;  // the usual case, in one pass
  out.clear();
  while (!bytes.empty()) {
    const size_t eol = bytes.find('\n');
    const size_t len = eol == std::string_view::npos ? bytes.size() : eol + 1;
    const std::string_view line = bytes.substr(0, len);
    out += IsValidUtf8(line) ? Utf8ToWide(line) : Cp1252ToWide(line);
    bytes.remove_prefix(len);
  }
  return out;
}

}  // namespace vantrel
