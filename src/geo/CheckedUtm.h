// UTM conversions as the command line and the coordinate dialog show them:
// each answer lies in UTM's range, in its band and on its zone's grid, or
// the input is refused with a one-line reason. Both methods refuse by the
// same checks, made on the exact projection's answer; the classic series
// also refuses where it would stray more than kClassicTolerance from it.
#pragma once

#include <cstdint>
#include <optional>

#include "geo/Ellipsoid.h"
#include "geo/GeoResult.h"
#include "geo/Utm.h"
#include "geo/UtmExact.h"

namespace vantrel {

// Above the classic series' worst within its zones: 1.1002 m at the far edge
// of the wide Norway zone (32V), 6 degrees from the central meridian at 56
// north, on Clarke 1880.
inline constexpr double kClassicTolerance = 1.2;  // metres

// A position on a zone's grid: "16S 694037 3734420" as written on maps, or
// the numbers with the hemisphere. The letter is the latitude band (C to M
// south of the equator, N to X north), not the hemisphere.
struct UtmText {
  std::int32_t zone = 0;
  char band = 0;              // 0 when none was given
  std::int32_t southern = 0;  // 1 for the southern false northing
  double easting = 0;
  double northing = 0;
};

// The position unchanged, or out of range: a zone beyond 1..60, a polar
// band (A, B, Y, Z), an easting beyond 0..1000000 or a northing beyond
// 0..10000000.
GeoResult<UtmText> CheckUtmText(const UtmText& utm);

// On the grid of the point's own zone, or of `zone` when given. Out of range:
// a latitude outside -80..84, a longitude beyond +-180, a zone whose central
// meridian lies more than kUtmZoneReach away, an easting or northing that
// CheckUtmText would refuse. Imprecise: see kClassicTolerance.
GeoResult<UTMResult> CheckedLatLongToUTM(double latitude, double longitude,
                                         std::optional<std::int32_t> zone,
                                         const Ellipsoid& ellipsoid, UtmMethod method);

// The point of a grid position, its longitude in [-180, 180). Out of range:
// what CheckUtmText refuses, a point outside -80..84 or outside the band
// (give or take 11 m), or more than kUtmZoneReach from the zone's central
// meridian (beyond the pole, too). Imprecise: see kClassicTolerance.
GeoResult<LatLong> UtmTextToLatLong(const UtmText& utm, const Ellipsoid& ellipsoid,
                                    UtmMethod method);

}  // namespace vantrel
