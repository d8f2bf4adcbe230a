// Coordinates as people write them, read from one UTF-8 text.
#pragma once

#include <string_view>

#include "geo/CheckedUtm.h"
#include "geo/GeoResult.h"

namespace vantrel {

// Latitude and longitude, each as decimal degrees, degrees and decimal
// minutes, or degrees, minutes and seconds: "33.732075 -84.90558",
// "33°43'55\"N 84°54'20\"W", "N 33° 43.917 W 084° 54.335", "33 43 55 -84 54 20".
// - Marks are optional: ° (also º, or d touching the number), ' (also ′ ’,
//   or m) and " (also ″ ” '', or s after minutes): "33d43m55sS"; or colons
//   between the parts: "33:43:55S".
// - A sign (+, -, −) or a hemisphere letter (N S E W, before or after the
//   numbers) gives the direction, never both.
// - A comma, a semicolon or blanks stand between latitude and longitude.
//   Without one of the first two the split must follow from the text (signs,
//   letters, marks, decimals on the last number only); a text that can be
//   read more than one way is refused.
// - Latitude comes first unless the letters say otherwise.
// Malformed: what cannot be read or splits more than one way. Out of range:
// minutes or seconds of 60 or more, a latitude beyond +-90, a longitude
// beyond +-180.
GeoResult<LatLong> ParseLatLongText(std::string_view text);

// A UTM position as written on maps: "16S 694037 3734420", also
// "16 S 694037mE 3734420mN", "56 H 334000E 6267000N" (the letters may put
// the northing first) or with a comma. The letter is the latitude band.
// Malformed: no zone, no band letter, a letter that is no band, not two
// numbers. Out of range: a zone beyond 1..60, a polar band (A, B, Y, Z), an
// easting beyond 0..1000000 or a northing beyond 0..10000000.
GeoResult<UtmText> ParseUtmText(std::string_view text);

}  // namespace vantrel
