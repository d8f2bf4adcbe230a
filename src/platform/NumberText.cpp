#include "platform/NumberText.h"

#include <locale.h>
#include <stdlib.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <type_traits>

#include "platform/Digits.h"
#include "platform/RoundedDecimal.h"
#include "platform/TextEncoding.h"

namespace vantrel {
namespace {

locale_t ClassicLocale() {
  static const locale_t classic = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return classic;
}

// Runs the C library's formatter under the classic locale for this thread.
class ClassicScope {
 public:
  ClassicScope() : previous_(uselocale(ClassicLocale())) {}
  ~ClassicScope() { uselocale(previous_); }
  ClassicScope(const ClassicScope&) = delete;
  ClassicScope& operator=(const ClassicScope&) = delete;

 private:
  locale_t previous_;
};

struct Conversion {
  bool left = false, plus = false, space = false, alt = false, zero = false;
  int width = 0;
  int precision = -1;
  enum class Length { kNone, kChar, kShort, kLong, kLongLong, kSize, kMax, kPtrDiff, kLongDouble };
  Length length = Length::kNone;
  char conversion = 0;
};

// Gives the exponent of [first, end) a third digit ("1e+10" becomes
// "1e+010"); to_chars and printf always write its sign and two digits or
// more. Returns the new end; there must be room for one more character.
char* WidenExponent(char* first, char* end) {
  char* const e = std::find_if(first, end, [](char c) { return c == 'e' || c == 'E'; });
  if (end - e != 4) return end;
  e[4] = e[3];
  e[3] = e[2];
  e[2] = '0';
  return end + 1;
}

void Pad(std::string& out, const std::string& body, const Conversion& conv, bool zeroAllowed) {
  const int fill = conv.width - static_cast<int>(body.size());
  if (fill <= 0) {
    out += body;
  } else if (conv.left) {
    out += body;
    out.append(static_cast<size_t>(fill), ' ');
  } else if (conv.zero && zeroAllowed) {
    size_t signLen =
        (!body.empty() && (body[0] == '-' || body[0] == '+' || body[0] == ' ')) ? 1 : 0;
    if (body.size() >= signLen + 2 && body[signLen] == '0' &&
        (body[signLen + 1] == 'x' || body[signLen + 1] == 'X'))
      signLen += 2;
    out.append(body, 0, signLen);
    out.append(static_cast<size_t>(fill), '0');
    out.append(body, signLen, std::string::npos);
  } else {
    out.append(static_cast<size_t>(fill), ' ');
    out += body;
  }
}

std::string FormatDouble(double value, const Conversion& conv) {
  const int precision = conv.precision < 0 ? 6 : conv.precision;
  const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(conv.conversion)));
  std::string body;
  if (conv.alt && std::isfinite(value)) {
    // The '#' forms are rare; let the C library write them in the classic locale.
    char fmt[16];
    std::snprintf(fmt, sizeof fmt, "%%#.*%c", lower);
    ClassicScope classic;
    const int n = std::snprintf(nullptr, 0, fmt, precision, value);
    body.resize(static_cast<size_t>(n) + 2);
    std::snprintf(body.data(), body.size(), fmt, precision, value);
    body.resize(static_cast<size_t>(WidenExponent(body.data(), body.data() + n) - body.data()));
  } else {
    char local[DoubleTextCapacity(60)];
    std::string big;
    char* first = local;
    std::size_t room = sizeof local;
    if (precision > 60) {
      big.resize(DoubleTextCapacity(precision));
      first = big.data();
      room = big.size();
    }
    body.assign(first, WriteDouble(first, first + room, value, lower, precision));
  }
  if (std::isupper(static_cast<unsigned char>(conv.conversion))) {
    for (char& c : body) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  if (body[0] != '-') {
    if (conv.plus)
      body.insert(0, 1, '+');
    else if (conv.space)
      body.insert(0, 1, ' ');
  }
  return body;
}

// Integers and pointers are the same in every locale; the C library writes them.
std::string FormatWithLibrary(const Conversion& conv, const char* lengthText, auto value) {
  std::string fmt = "%";
  if (conv.left) fmt += '-';
  if (conv.plus) fmt += '+';
  if (conv.space) fmt += ' ';
  if (conv.alt) fmt += '#';
  if (conv.zero) fmt += '0';
  fmt += "*.*";
  fmt += lengthText;
  fmt += conv.conversion;
  const int n = std::snprintf(nullptr, 0, fmt.c_str(), conv.width, conv.precision, value);
  std::string body(static_cast<size_t>(n) + 1, '\0');
  std::snprintf(body.data(), body.size(), fmt.c_str(), conv.width, conv.precision, value);
  body.resize(static_cast<size_t>(n));
  return body;
}

// Reads one argument as the signed or the unsigned type of a length and widens
// it to T (long long or unsigned long long).
template <typename T, typename Signed, typename Unsigned>
T FetchAs(va_list& args) {
  if constexpr (std::is_signed_v<T>) {
    return static_cast<T>(va_arg(args, Signed));
  } else {
    return static_cast<T>(va_arg(args, Unsigned));
  }
}

// hh and h arguments arrive promoted and are cut back to their own width.
template <typename T, typename Signed, typename Unsigned>
T FetchNarrow(va_list& args) {
  if constexpr (std::is_signed_v<T>) {
    return static_cast<Signed>(va_arg(args, int));
  } else {
    return static_cast<Unsigned>(va_arg(args, unsigned));
  }
}

template <typename T>
T FetchInteger(Conversion::Length length, va_list& args) {
  using L = Conversion::Length;
  switch (length) {
    case L::kLong:
      return FetchAs<T, long, unsigned long>(args);
    case L::kLongLong:
      return FetchAs<T, long long, unsigned long long>(args);
    case L::kSize:
      return FetchAs<T, std::make_signed_t<size_t>, size_t>(args);
    case L::kMax:
      return FetchAs<T, intmax_t, uintmax_t>(args);
    case L::kPtrDiff:
      return FetchAs<T, ptrdiff_t, std::make_unsigned_t<ptrdiff_t>>(args);
    case L::kChar:
      return FetchNarrow<T, signed char, unsigned char>(args);
    case L::kShort:
      return FetchNarrow<T, short, unsigned short>(args);
    default:
      return FetchAs<T, int, unsigned>(args);
  }
}

void FormatInteger(std::string& out, const Conversion& conv, va_list& args) {
  if (conv.conversion == 'd' || conv.conversion == 'i') {
    out += FormatWithLibrary(conv, "ll", FetchInteger<long long>(conv.length, args));
  } else {
    out += FormatWithLibrary(conv, "ll", FetchInteger<unsigned long long>(conv.length, args));
  }
}

void FormatString(std::string& out, const Conversion& conv, va_list& args) {
  std::string body;
  if (conv.length == Conversion::Length::kLong) {
    const wchar_t* w = va_arg(args, const wchar_t*);
    std::wstring_view view = w ? std::wstring_view(w) : std::wstring_view(L"(null)");
    if (conv.precision >= 0 && view.size() > static_cast<size_t>(conv.precision))
      view = view.substr(0, static_cast<size_t>(conv.precision));
    for (const wchar_t c : view) AppendUtf8(body, static_cast<char32_t>(c));
  } else {
    const char* s = va_arg(args, const char*);
    if (!s) s = "(null)";
    const size_t n =
        conv.precision >= 0 ? strnlen(s, static_cast<size_t>(conv.precision)) : std::strlen(s);
    body.assign(s, n);
  }
  Pad(out, body, conv, false);
}

void FormatChar(std::string& out, const Conversion& conv, va_list& args) {
  std::string body;
  if (conv.length == Conversion::Length::kLong) {
    const wchar_t w = static_cast<wchar_t>(va_arg(args, wint_t));
    AppendUtf8(body, static_cast<char32_t>(w));
  } else {
    body.assign(1, static_cast<char>(va_arg(args, int)));
  }
  Pad(out, body, conv, false);
}

// Parses one conversion (flags, width, precision, length) after '%'; returns the position
// of its conversion character.
const char* ParseConversion(const char* p, Conversion& conv, va_list& args) {
  for (;; ++p) {
    if (*p == '-')
      conv.left = true;
    else if (*p == '+')
      conv.plus = true;
    else if (*p == ' ')
      conv.space = true;
    else if (*p == '#')
      conv.alt = true;
    else if (*p == '0')
      conv.zero = true;
    else if (*p == '\'')
      continue;
    else
      break;
  }
  if (*p == '*') {
    conv.width = va_arg(args, int);
    if (conv.width < 0) conv.left = true, conv.width = -conv.width;
    ++p;
  } else {
    while (IsDigit(*p)) conv.width = conv.width * 10 + (*p++ - '0');
  }
  if (*p == '.') {
    ++p;
    conv.precision = 0;
    if (*p == '*') {
      conv.precision = va_arg(args, int);
      if (conv.precision < 0) conv.precision = -1;
      ++p;
    } else {
      while (IsDigit(*p)) conv.precision = conv.precision * 10 + (*p++ - '0');
    }
  }
  using L = Conversion::Length;
  switch (*p) {
    case 'h':
      conv.length = p[1] == 'h' ? (++p, L::kChar) : L::kShort;
      ++p;
      break;
    case 'l':
      conv.length = p[1] == 'l' ? (++p, L::kLongLong) : L::kLong;
      ++p;
      break;
    case 'z':
      conv.length = L::kSize, ++p;
      break;
    case 'j':
      conv.length = L::kMax, ++p;
      break;
    case 't':
      conv.length = L::kPtrDiff, ++p;
      break;
    case 'L':
      conv.length = L::kLongDouble, ++p;
      break;
    default:
      break;
  }
  conv.conversion = *p;
  return p;
}

}  // namespace

std::string VFormatText(const char* format, va_list argsIn) {
  std::string out;
  if (!format) return out;
  va_list args;
  va_copy(args, argsIn);
  for (const char* p = format; *p; ++p) {
    if (*p != '%') {
      out += *p;
      continue;
    }
    Conversion conv;
    p = ParseConversion(p + 1, conv, args);
    switch (conv.conversion) {
      case '%':
        out += '%';
        break;
      case 'd':
      case 'i':
      case 'u':
      case 'o':
      case 'x':
      case 'X':
        FormatInteger(out, conv, args);
        break;
      case 'e':
      case 'E':
      case 'f':
      case 'F':
      case 'g':
      case 'G': {
        const double v = conv.length == Conversion::Length::kLongDouble
                             ? static_cast<double>(va_arg(args, long double))
                             : va_arg(args, double);
        Pad(out, FormatDouble(v, conv), conv, std::isfinite(v));
        break;
      }
      case 'c':
        FormatChar(out, conv, args);
        break;
      case 's':
        FormatString(out, conv, args);
        break;
      case 'p':
        out += FormatWithLibrary(conv, "", va_arg(args, void*));
        break;
      case 'n':
        (void)va_arg(args, void*);
        break;
      case '\0':
        --p;
        break;  // a lone '%' at the end
      default:
        out += '%', out += conv.conversion;
        break;
    }
  }
  va_end(args);
  return out;
}

std::string FormatText(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string out = VFormatText(format, args);
  va_end(args);
  return out;
}

int VFormatInto(char* buffer, std::size_t size, const char* format, va_list args) {
  const std::string text = VFormatText(format, args);
  if (buffer && size > 0) {
    const size_t n = text.size() < size - 1 ? text.size() : size - 1;
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
  }
  return static_cast<int>(text.size());
}

int FormatInto(char* buffer, std::size_t size, const char* format, ...) {
  va_list args;
  va_start(args, format);
  const int n = VFormatInto(buffer, size, format, args);
  va_end(args);
  return n;
}

char* WriteDouble(char* first, char* last, double value, char conversion, int precision) {
  if (!std::isfinite(value)) {
    const std::string_view text = std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
    if (last - first < static_cast<std::ptrdiff_t>(text.size())) return nullptr;
    return std::copy(text.begin(), text.end(), first);
  }
  const auto format = conversion == 'e'   ? std::chars_format::scientific
                      : conversion == 'f' ? std::chars_format::fixed
                                          : std::chars_format::general;
  if (precision < 0) precision = 6;
  if (char* end = WriteRoundedDecimal(first, last, value, conversion, precision)) return end;
  // One place kept back for the exponent's third digit.
  if (last - first < 2) return nullptr;
  const auto written = std::to_chars(first, last - 1, value, format, precision);
  if (written.ec != std::errc()) return nullptr;
  return format == std::chars_format::fixed ? written.ptr : WidenExponent(first, written.ptr);
}

double ParseDouble(const char* text, const char** end) {
  if (!text) {
    if (end) *end = text;
    return 0.0;
  }
  char* stop = nullptr;
  const double value = strtod_l(text, &stop, ClassicLocale());
  if (end) *end = stop;
  return value;
}

namespace {
// Copies text for the C parsers, which need a terminator; a non-ASCII
// character ends the number.
std::string AsciiForParsing(std::string_view text) {
  std::size_t end = 0;
  while (end < text.size() && text[end] != 0 && static_cast<unsigned char>(text[end]) < 0x80) ++end;
  return std::string(text.substr(0, end));
}
}  // namespace

double ParseDouble(std::string_view text) { return ParseDouble(AsciiForParsing(text).c_str()); }

long ParseLong(const char* text, const char** end, int base) {
  if (!text || base < 0 || base == 1 || base > 36) {
    if (end) *end = text;
    return 0;
  }
  char* stop = nullptr;
  const long value = strtol_l(text, &stop, base, ClassicLocale());
  if (end) *end = stop;
  return value;
}

long ParseLong(std::string_view text, int base) {
  return ParseLong(AsciiForParsing(text).c_str(), nullptr, base);
}

int ParseLeadingInt(std::string_view text) {
  const long value = ParseLong(text, 10);
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

std::size_t DecimalPrefixLength(std::string_view text) {
  auto is = [&](std::size_t i, char c) { return i < text.size() && text[i] == c; };
  auto sign = [&](std::size_t i) { return is(i, '+') || is(i, '-'); };
  auto digit = [&](std::size_t i) { return i < text.size() && IsDigit(text[i]); };
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  if (sign(i)) ++i;
  std::size_t digits = 0;
  while (digit(i)) ++i, ++digits;
  if (is(i, '.')) {
    ++i;
    while (digit(i)) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (is(i, 'e') || is(i, 'E')) {
    std::size_t j = i + 1;
    if (sign(j)) ++j;
    if (digit(j)) {
      while (digit(j)) ++j;
      i = j;
    }
  }
  return i;
}

// The prefix is all plain ASCII: copy it into a terminated buffer for strtod.
double ParseDecimalPrefix(std::string_view text) {
  const std::size_t length = DecimalPrefixLength(text);
  if (length == 0) return 0.0;
  char small[64];
  std::string large;
  char* buffer = small;
  if (length >= sizeof small) {
    large.resize(length);
    buffer = large.data();
  }
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
  return ParseDouble(buffer);
}

}  // namespace vantrel
