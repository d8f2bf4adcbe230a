// UTM by the exact transverse Mercator (TransverseMercator.h): within a few
// nanometres of the true projection anywhere up to 6 degrees from the
// central meridian, where the classic series (Utm.h) is up to 10 cm off at
// 3 degrees and metres off at 5 to 6. The
// conventions are the classic ones: the same zone and band rules, the same
// longitude wrap, -0 counts as north, and the zone letter plays no part on
// the way back. Pure functions; any finite input gives a result.
#pragma once

#include <cstdint>

#include "geo/Ellipsoid.h"
#include "geo/Utm.h"

namespace vantrel {

UTMResult LatLongToUTMExact(double latitude, double longitude, const Ellipsoid& ellipsoid);

// On the grid of the caller's zone, as precise as above up to 3900 km from
// its central meridian; beyond that the error grows.
UTMResult LatLongToUTMExactInZone(double latitude, double longitude, std::int32_t zone,
                                  const Ellipsoid& ellipsoid);

// The longitude is the zone's central meridian plus the distance from it,
// not wrapped (as on the classic way back).
LatLong UTMToLatLongExact(double northing, double easting, double zoneNumber, std::int32_t southern,
                          const Ellipsoid& ellipsoid);

// Which formulas a caller wants: the classic series that the coordinate
// dialog shows, or the exact projection.
enum class UtmMethod { kClassic, kExact };

UTMResult LatLongToUTM(double latitude, double longitude, const Ellipsoid& ellipsoid,
                       UtmMethod method);
UTMResult LatLongToUTMInZone(double latitude, double longitude, std::int32_t zone,
                             const Ellipsoid& ellipsoid, UtmMethod method);
LatLong UTMToLatLong(double northing, double easting, double zoneNumber, std::int32_t southern,
                     const Ellipsoid& ellipsoid, UtmMethod method);

}  // namespace vantrel
