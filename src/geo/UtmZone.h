// The rules every UTM conversion shares, whichever projection formulas it
// uses: the grid constants, the zone of a longitude (with the Norway and
// Svalbard exceptions), the latitude band and the longitude wrap.
#pragma once

#include <cstdint>
#include <optional>

namespace vantrel {

inline constexpr double kUtmScale = 0.9996;  // k0 on the central meridian
inline constexpr double kUtmFalseEasting = 500000;
inline constexpr double kUtmFalseNorthingSouth = 10000000;
inline constexpr double kUtmEastingLimit = 1000000;  // a position's easting lies in 0..this

// The latitudes UTM covers; the polar regions beyond are UPS's.
inline constexpr double kUtmSouthmost = -80;
inline constexpr double kUtmNorthmost = 84;

// How far from its central meridian a zone's grid serves points: the ground
// of the neighbouring zones, and MGRS squares that reach across a zone's
// edge (the wide Norway and Svalbard zones reach 6 degrees themselves).
inline constexpr double kUtmZoneReach = 9;  // degrees

// The latitude bands, 8 degrees each from -80; X stands twice so that 84
// itself still falls in X.
inline constexpr char kUtmBandLetters[] = "CDEFGHJKLMNPQRSTUVWXX";

// Every longitude from -180 up lands in [-180, 180); below -180 it is left as
// it is, which the zone rule then puts in zone 0 or below.
double WrapUtmLongitude(double longitude);

// The central meridian of a zone, degrees: zone x 6 - 183.
double UtmCentralMeridian(double zoneNumber);

// A longitude's distance east of the zone's central meridian, in
// [-180, 180] degrees, whichever turn it is written in.
double FromCentralMeridian(double longitude, double zoneNumber);

// Any finite longitude as written in [-180, 180).
double NormalLongitude(double longitude);

// A wrapped longitude moved by whole turns to within 180 degrees of the
// zone's central meridian, so that a point just across the antimeridian
// from a zone keeps a small distance from it. Unchanged when it already is.
double UtmLongitudeNear(double wrappedLongitude, double zoneNumber);

// The standard 6-degree zone of the wrapped longitude, then the Norway (32V)
// and Svalbard (31X, 33X, 35X, 37X) exceptions.
std::int32_t UtmZoneNumber(double latitude, double longitude);

// False for the zones Svalbard's wide zones replace in band X (32, 34 and
// 36), which no point of that band falls in.
bool UtmZoneHasBand(std::int32_t zone, char band);

// The band letter of a latitude; 'Z' outside -80..84 degrees.
char UtmBandLetter(double latitude);

// The latitudes a band letter stands for: C to X, without I and O, 8
// degrees each from -80 (X has 12, up to 84). Nothing for any other letter.
struct LatitudeBand {
  double south = 0;
  double north = 0;

  // 1 for the bands south of the equator (C to M), as UTMResult::southern.
  std::int32_t southern() const { return north <= 0 ? 1 : 0; }
};
std::optional<LatitudeBand> UtmBand(char letter);

// A, B, Y and Z: the polar letters, whose regions UPS maps instead of UTM.
bool IsPolarBand(char letter);

}  // namespace vantrel
