// Coordinates as people write them, read from one UTF-8 text.
#pragma once

#include <cstdint>
#include <string_view>

#include "geo/Ellipsoid.h"
#include "geo/GeoResult.h"
#include "geo/Utm.h"
#include "geo/UtmExact.h"

namespace vantrel {

// Latitude and longitude, each as decimal degrees, degrees and decimal
// minutes, or degrees, minutes and seconds: "33.732075 -84.90558",
// "33°43'55\"N 84°54'20\"W", "N 33° 43.917 W 084° 54.335", "33 43 55 -84 54 20".
// - Marks are optional: ° (also º), ' (also ′ ’) and " (also ″ ” '').
// - A sign (+, -, −) or a hemisphere letter (N S E W, before or after the
//   numbers) gives the direction, never both.
// - A comma or blanks stand between latitude and longitude. Without a comma
//   the split must follow from the text (signs, letters, marks, decimals on
//   the last number only); a text that splits more than one way is refused.
// - Latitude comes first unless the letters say otherwise.
// Malformed: what cannot be read or splits more than one way. Out of range:
// minutes or seconds of 60 or more, a latitude beyond +-90, a longitude
// beyond +-180.
GeoResult<LatLong> ParseLatLongText(std::string_view text);

// A UTM position as written on maps: "16S 694037 3734420", also
// "16 S 694037mE 3734420mN" or with a comma. The letter is the latitude band
// (C to M south of the equator, N to X north), not the hemisphere.
struct UtmText {
  std::int32_t zone = 0;
  char band = 'N';
  std::int32_t southern = 0;  // 1 for bands C to M
  double easting = 0;
  double northing = 0;
};

// Malformed: no zone, no band letter, a letter that is no band, not two
// numbers. Out of range: a zone beyond 1..60, a polar band (A, B, Y, Z), an
// easting beyond 0..1000000 or a northing beyond 0..10000000.
GeoResult<UtmText> ParseUtmText(std::string_view text);

// The latitude and longitude of a read UTM position; out of range when the
// point does not lie in the text's latitude band (give or take 11 m), which
// is how a hemisphere letter written where the band belongs shows itself.
GeoResult<LatLong> UtmTextToLatLong(const UtmText& utm, const Ellipsoid& ellipsoid,
                                    UtmMethod method);

}  // namespace vantrel
