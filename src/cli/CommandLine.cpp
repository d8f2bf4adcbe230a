#include "cli/CommandLine.h"

#include <charconv>
#include <iterator>

#include "platform/NumberText.h"
#include "platform/TextEncoding.h"

namespace vantrel::cli {

int Fail(std::ostream& err, int exitCode, std::string_view message) {
  err << "vantrel-convert: " << message << '\n';
  return exitCode;
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
  for (const char32_t c : CodePoints(text)) {
    if ((c < 0x20 && c != '\t') || (c >= 0x7F && c < 0xA0))
      return named + " holds a control character (" +
             FormatText("U+%04X", static_cast<unsigned>(c)) + ")";
  }
  return {};
}

}  // namespace vantrel::cli
