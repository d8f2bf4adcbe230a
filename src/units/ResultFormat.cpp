#include "units/ResultFormat.h"

#include "platform/NumberText.h"

namespace vantrel {

std::wstring ResultFormat::Format(double value) const {
  const int digits = keys::kPrecision.range.Clamp(precision);
  switch (mode) {
    case ResultMode::kAutomatic:
      return FormatWide("%1.8g", value);
    case ResultMode::kScientific:
      return FormatWide("%1.*e", digits, value);
    case ResultMode::kFixed:
      return FormatWide("%1.*f", digits, value);
    default:
      return {};
  }
}

}  // namespace vantrel
