// Latitude and longitude to Universal Transverse Mercator and back, on one of
// the reference ellipsoids. Angles are in degrees, lengths in metres. The
// functions are pure and never fail: any finite input gives a result, and no
// range is checked (the coordinate dialog converts whatever is typed).
#pragma once

#include <cstdint>

#include "geo/Ellipsoid.h"
#include "geo/UtmZone.h"

namespace vantrel {

struct UTMResult {
  double northing = 0;
  double easting = 0;
  std::int32_t zoneNumber = 0;
  char zoneLetter = 'Z';      // 'Z' outside -80..84 degrees of latitude
  std::int32_t southern = 0;  // 1 south of the equator, else 0
};

struct LatLong {
  double latitude = 0;
  double longitude = 0;
};

// The zone comes from the longitude by the rules of UtmZoneNumber.
UTMResult LatLongToUTM(double latitude, double longitude, const Ellipsoid& ellipsoid);

// The same on the grid of a zone the caller chooses (a neighbouring zone, or
// one both methods of the command line must share). The series is meant for
// points within a few degrees of the zone's central meridian.
UTMResult LatLongToUTMInZone(double latitude, double longitude, std::int32_t zone,
                             const Ellipsoid& ellipsoid);

// The zone letter plays no part: the hemisphere comes from `southern` (1 means
// south) and the zone number is used as given.
LatLong UTMToLatLong(double northing, double easting, double zoneNumber, std::int32_t southern,
                     const Ellipsoid& ellipsoid);

}  // namespace vantrel
