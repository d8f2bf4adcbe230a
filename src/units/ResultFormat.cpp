#include "units/ResultFormat.h"

namespace vantrel {

std::string ResultFormat::Format(double value) const {
  char text[kCapacity];
  const std::size_t length = Write(value, text);
  return std::string(text, text + length);
}

std::size_t ResultFormat::Write(double value, char* buffer) const {
  char* const end = buffer + kCapacity;
  const int digits = keys::kPrecision.range.Clamp(precision);
  switch (mode) {
    case ResultMode::kAutomatic:
      return static_cast<std::size_t>(WriteDouble(buffer, end, value, 'g', 8) - buffer);
    case ResultMode::kScientific:
      return static_cast<std::size_t>(WriteDouble(buffer, end, value, 'e', digits) - buffer);
    case ResultMode::kFixed:
      return static_cast<std::size_t>(WriteDouble(buffer, end, value, 'f', digits) - buffer);
    default:
      return 0;
  }
}

}  // namespace vantrel
