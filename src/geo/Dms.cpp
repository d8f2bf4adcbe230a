#include "geo/Dms.h"

#include <cmath>

#include "geo/Truncate.h"

namespace vantrel {

DMS DecimalToDMS(double value) {
  DMS dms;
  dms.degrees = TruncateToInt(value);
  const double minutes = std::fabs(value - dms.degrees) * 60;
  dms.minutes = TruncateToInt(minutes);
  dms.seconds = TruncateToInt(std::fabs(minutes - dms.minutes) * 60);
  // Without this, -0.5 would come back as 0 30 0 and read back as +0.5.
  dms.negative = value < 0;
  return dms;
}

double DMSToDecimal(std::int32_t degrees, std::int32_t minutes, std::int32_t seconds,
                    bool negative) {
  // TruncateToInt never yields INT32_MIN, but a caller's degrees may be it.
  const double value = std::fabs(static_cast<double>(degrees)) + minutes / 60.0 + seconds / 3600.0;
  return degrees < 0 || negative ? -value : value;
}

double DMSToDecimal(const DMS& dms) {
  return DMSToDecimal(dms.degrees, dms.minutes, dms.seconds, dms.negative);
}

std::string DegreesText(const DMS& dms) {
  const std::string number = std::to_string(dms.degrees);
  return dms.negative && dms.degrees == 0 ? "-" + number : number;
}

}  // namespace vantrel
