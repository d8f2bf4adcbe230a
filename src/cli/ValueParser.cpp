#include "cli/ValueParser.h"

#include "platform/TextEncoding.h"
#include "units/DecimalNumber.h"

namespace vantrel::cli {

bool ParseValue(std::string_view text, double& value, std::string& error) {
  const std::wstring wide = Utf8ToWide(text);
  const std::size_t length = DecimalPrefixLength(wide);
  std::size_t end = length;
  while (end < wide.size() && (wide[end] == L' ' || wide[end] == L'\t')) ++end;
  if (length == 0 || end != wide.size()) {
    error = "'" + std::string(text) + "' is not a number";
    return false;
  }
  value = ParseDecimalPrefix(wide);
  return true;
}

}  // namespace vantrel::cli
