#include "units/ResultFormat.h"

#include <algorithm>

#include "platform/NumberText.h"

namespace vantrel {

std::wstring ResultFormat::Format(double value) const {
  const int digits = std::clamp(precision, 0, 8);
  switch (mode) {
    case kAutomatic:
      return FormatWide("%1.8g", value);
    case kScientific:
      return FormatWide("%1.*e", digits, value);
    case kFixed:
      return FormatWide("%1.*f", digits, value);
    default:
      return {};
  }
}

}  // namespace vantrel
