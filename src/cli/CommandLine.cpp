#include "cli/CommandLine.h"

#include <algorithm>
#include <charconv>
#include <iterator>

#include "platform/Digits.h"
#include "platform/NumberText.h"
#include "platform/TextEncoding.h"

namespace vantrel::cli {

int Fail(std::ostream& err, int exitCode, std::string_view message) {
  err << "vantrel-convert: " << message << '\n';
  return exitCode;
}

std::optional<int> OptionNumber(std::string_view text) {
  const std::size_t digits = text.find_first_not_of('0');
  if (text.empty() || text.size() - std::min(digits, text.size()) > 9) return std::nullopt;
  int number = 0;
  for (const char c : text) {
    if (!IsDigit(c)) return std::nullopt;
    number = number * 10 + (c - '0');
  }
  return number;
}

std::string ShortestDecimal(double value) {
  char text[32];
  const std::to_chars_result end = std::to_chars(std::begin(text), std::end(text), value);
  return std::string(text, end.ptr);
}

std::string QuotedList(const std::vector<std::string>& names) {
  std::string list;
  for (const std::string& name : names) {
    if (!list.empty()) list += ", ";
    list += Quoted(name);
  }
  return list;
}

std::string TextProblem(std::string_view text, std::string_view what) {
  const std::string named(what);
  if (!IsValidUtf8(text)) return named + " is not UTF-8 text";
  // Cut at a NUL, the rest would never be read.
  if (text.find('\0') != std::string_view::npos)
    return named + " holds a NUL byte, which UTF-8 text has not (UTF-16 text?)";
  // Read in place: the text may be a line of any length. The C1 controls
  // are C2 80 to C2 9F in UTF-8.
  for (std::size_t i = 0; i < text.size(); ++i) {
    unsigned c = static_cast<unsigned char>(text[i]);
    if (c >= 0x80) {
      if (c != 0xC2) continue;
      c = static_cast<unsigned char>(text[++i]);  // valid UTF-8: there is one
    }
    if ((c < 0x20 && c != '\t') || (c >= 0x7F && c < 0xA0))
      return named + " holds a control character (" + FormatText("U+%04X", c) + ")";
  }
  return {};
}

}  // namespace vantrel::cli
