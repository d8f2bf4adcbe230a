// Decimal degrees to whole degrees, minutes and seconds and back.
#pragma once

#include <cstdint>
#include <string>

namespace vantrel {

// Minutes and seconds are never negative; the sign lives on the degrees. A
// value between -1 and 0 has 0 degrees, so `negative` carries its sign: shown
// as "-0" degrees, and read back negative by DMSToDecimal.
struct DMS {
  std::int32_t degrees = 0;
  std::int32_t minutes = 0;
  std::int32_t seconds = 0;
  bool negative = false;
};

// Each part truncated toward zero, never rounded.
DMS DecimalToDMS(double value);

// |degrees| + minutes/60 + seconds/3600, negated when the degrees are negative
// or `negative` is set. The inverse of DecimalToDMS up to its truncation.
double DMSToDecimal(std::int32_t degrees, std::int32_t minutes, std::int32_t seconds,
                    bool negative = false);
double DMSToDecimal(const DMS& dms);

// The degrees as shown: the whole number, and "-0" for a value between -1 and
// 0, so that the sign survives a trip through the text.
std::string DegreesText(const DMS& dms);

}  // namespace vantrel
