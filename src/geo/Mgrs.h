// Military Grid Reference System references on WGS84, between the UTM
// latitudes -80 and 84 (the polar regions, written in UPS, are refused):
// "16SFC9403634419" is zone 16, band S, 100 km square FC, then easting and
// northing within the square to the metre.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "geo/Ellipsoid.h"
#include "geo/GeoResult.h"
#include "geo/Utm.h"

namespace vantrel {

// WGS84 by its defining constants (1/f = 298.257223563), as MGRS is defined;
// the converter's table rounds its polar radius to 0.1 mm.
const Ellipsoid& MgrsEllipsoid();

inline constexpr int kMgrsDefaultDigits = 5;  // per axis: 1 m squares

// The reference of the square of 10^(5 - digits) metres that holds the point
// (the grid figures truncated, never rounded), from the exact UTM of the
// point in its zone (Norway and Svalbard included). Out of range: digits
// beyond 0..5, a latitude outside -80..84 (84 itself is polar), a longitude
// beyond +-180.
GeoResult<std::string> LatLongToMgrs(double latitude, double longitude,
                                     int digits = kMgrsDefaultDigits);

struct MgrsSquare {
  std::int32_t zone = 0;
  char band = 'N';
  std::int32_t southern = 0;
  int digits = 0;       // per axis
  double size = 0;      // side of the square, metres
  double easting = 0;   // of its south-west corner
  double northing = 0;  // likewise, with the false northing in the south
  LatLong centre;       // the point a reference stands for, longitude in [-180, 180)
};

// Reads "16SFC9403634419", also with blanks between the parts
// ("16S FC 94036 34419") and in small letters. Malformed: the parts missing,
// a letter that is none of the system's, an odd number of digits or more
// than ten. Out of range: a zone beyond 1..60, a polar band (A, B, Y, Z),
// zone 32, 34 or 36 in band X, a square letter the zone does not use, or a
// reference whose point (its square) lies outside the band.
GeoResult<MgrsSquare> ReadMgrs(std::string_view text);

}  // namespace vantrel
