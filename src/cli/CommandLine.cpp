#include "cli/CommandLine.h"

#include "platform/TextEncoding.h"

namespace vantrel::cli {

int Fail(std::ostream& err, int exitCode, std::string_view message) {
  err << "vantrel-convert: " << message << '\n';
  return exitCode;
}

std::string QuotedList(const std::vector<std::wstring>& names) {
  std::string list;
  for (const std::wstring& name : names) {
    if (!list.empty()) list += ", ";
    list += Quoted(name);
  }
  return list;
}

}  // namespace vantrel::cli
