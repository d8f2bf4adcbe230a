#include "platform/TextEncoding.h"

#include <array>
#include <cstdint>

namespace vantrel {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// 0x80..0x9F of Windows-1252; the undefined five keep their own value.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The length of the character at bytes[i]: its sequence, or one byte that is no UTF-8.
std::size_t CharacterAt(std::string_view bytes, std::size_t i) {
  if (static_cast<unsigned char>(bytes[i]) < 0x80) return 1;
  char32_t cp;
  const std::size_t len = DecodeUtf8At(bytes, i, cp);
  return len == 0 ? 1 : len;
}

void AppendCp1252(std::string& out, std::string_view bytes) {
  for (const char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    AppendUtf8(out, b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : b);
  }
}

void AppendUtf16(std::string& out, std::string_view bytes, bool bigEndian) {
  auto unit = [&](std::size_t i) -> char16_t {
    const auto a = static_cast<unsigned char>(bytes[i]);
    const auto b = static_cast<unsigned char>(bytes[i + 1]);
    return static_cast<char16_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
  };
  const std::size_t n = bytes.size() / 2 * 2;
  for (std::size_t i = 0; i < n; i += 2) {
    const char16_t u = unit(i);
    if (u >= 0xD800 && u <= 0xDBFF && i + 2 < n) {
      const char16_t v = unit(i + 2);
      if (v >= 0xDC00 && v <= 0xDFFF) {
        AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (v - 0xDC00));
        i += 2;
        continue;
      }
    }
    AppendUtf8(out, u);  // a lone surrogate becomes U+FFFD
  }
}

}  // namespace

std::size_t DecodeUtf8At(std::string_view bytes, std::size_t at, char32_t& out) {
  const auto b0 = static_cast<unsigned char>(bytes[at]);
  if (b0 < 0x80) {
    out = b0;
    return 1;
  }
  std::size_t len;
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
  if (at + len > bytes.size()) return 0;
  for (std::size_t k = 1; k < len; ++k) {
    const auto b = static_cast<unsigned char>(bytes[at + k]);
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

bool IsValidUtf8(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    if (static_cast<unsigned char>(bytes[i]) < 0x80) {
      ++i;
      continue;
    }
    char32_t cp;
    const std::size_t len = DecodeUtf8At(bytes, i, cp);
    if (len == 0) return false;
    i += len;
  }
  return true;
}

std::size_t CharacterCount(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++count) i += CharacterAt(text, i);
  return count;
}

std::string_view FirstCharacters(std::string_view text, std::size_t count) {
  std::size_t i = 0;
  for (; i < text.size() && count > 0; --count) i += CharacterAt(text, i);
  return text.substr(0, i);
}

std::u32string CodePoints(std::string_view text) {
  std::u32string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    char32_t cp;
    const std::size_t len = DecodeUtf8At(text, i, cp);
    out += len == 0 ? kReplacement : cp;
    i += len == 0 ? 1 : len;
  }
  return out;
}

std::string QuotableUtf8(std::string_view bytes, std::size_t most) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  std::size_t shown = 0;
  for (std::size_t i = 0; i < bytes.size(); ++shown) {
    if (shown == most) return out + "...";
    char32_t cp;
    const std::size_t len = DecodeUtf8At(bytes, i, cp);
    if (len == 0 || cp < 0x20 || cp == 0x7F || (cp >= 0x80 && cp < 0xA0)) {
      for (const std::size_t end = i + (len == 0 ? 1 : len); i < end; ++i) {
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

std::string Quoted(std::string_view text) {
  std::string quoted = "'" + QuotableUtf8(text, kQuotedCharacters) + "'";
  if (const std::size_t length = CharacterCount(text); length > kQuotedCharacters)
    quoted += " (" + std::to_string(length) + " characters)";
  return quoted;
}

std::string Utf8ToAnsi(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    char32_t cp;
    const std::size_t len = DecodeUtf8At(text, i, cp);
    i += len == 0 ? 1 : len;
    if (len != 0 && (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))) {
      out += static_cast<char>(cp);
      continue;
    }
    char mapped = '?';
    for (std::size_t k = 0; len != 0 && k < kCp1252High.size(); ++k) {
      if (kCp1252High[k] == cp) {
        mapped = static_cast<char>(0x80 + k);
        break;
      }
    }
    out += mapped;
  }
  return out;
}

std::string DecodeTextFile(std::string_view bytes) {
  std::string out;
  if (bytes.size() >= 2) {
    const auto b0 = static_cast<unsigned char>(bytes[0]);
    const auto b1 = static_cast<unsigned char>(bytes[1]);
    if ((b0 == 0xFF && b1 == 0xFE) || (b0 == 0xFE && b1 == 0xFF)) {
      AppendUtf16(out, bytes.substr(2), b0 == 0xFE);
      return out;
    }
  }
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  if (IsValidUtf8(bytes)) return std::string(bytes);  // the usual case, as it is
  out.reserve(bytes.size());
  while (!bytes.empty()) {
    const std::size_t eol = bytes.find('\n');
    const std::size_t len = eol == std::string_view::npos ? bytes.size() : eol + 1;
    const std::string_view line = bytes.substr(0, len);
    if (IsValidUtf8(line))
      out += line;
    else
      AppendCp1252(out, line);
    bytes.remove_prefix(len);
  }
  return out;
}

}  // namespace vantrel
