#include "geo/CheckedUtm.h"

#include <cmath>
#include <numbers>
#include <string>

#include "geo/UtmZone.h"
#include "platform/NumberText.h"

namespace vantrel {

namespace {

template <typename T>
GeoResult<T> OutOfRange(std::string message) {
  return GeoFailure<T>(GeoError::kOutOfRange, std::move(message));
}

// Why the classic series may not answer where it is `off` metres from the
// exact projection; empty where it may.
std::string ClassicRefusal(double off, double fromMeridian, std::int32_t zone) {
  if (off <= kClassicTolerance) return {};
  const std::string by =
      std::isfinite(off) ? FormatText("would be %.1f m off", off) : "has no finite answer";
  return FormatText(
      "the classic series %s here, %.2f degrees from the central meridian of zone "
      "%d (it keeps within %g m of the exact projection)",
      by.c_str(), std::fabs(fromMeridian), zone, kClassicTolerance);
}

// Metres between two nearby points, near enough to weigh the classic
// series against the exact projection.
double GroundDistance(const LatLong& a, const LatLong& b, const Ellipsoid& ellipsoid) {
  const double perDegree = ellipsoid.equatorialRadius * std::numbers::pi / 180;
  const double east = std::remainder(a.longitude - b.longitude, 360) *
                      std::cos(b.latitude * std::numbers::pi / 180);
  return std::hypot(a.latitude - b.latitude, east) * perDegree;
}

}  // namespace

GeoResult<UtmText> CheckUtmText(const UtmText& utm) {
  if (utm.zone < 1 || utm.zone > 60) return OutOfRange<UtmText>("zone must be between 1 and 60");
  if (IsPolarBand(utm.band)) {
    return OutOfRange<UtmText>("bands A, B, Y and Z are polar (UPS), which is not supported");
  }
  if (!(utm.easting >= 0 && utm.easting <= kUtmEastingLimit)) {
    return OutOfRange<UtmText>("easting must be between 0 and 1000000");
  }
  if (!(utm.northing >= 0 && utm.northing <= kUtmFalseNorthingSouth)) {
    return OutOfRange<UtmText>("northing must be between 0 and 10000000");
  }
  return utm;
}

GeoResult<UTMResult> CheckedLatLongToUTM(double latitude, double longitude,
                                         std::optional<std::int32_t> zone,
                                         const Ellipsoid& ellipsoid, UtmMethod method) {
  if (!(latitude >= kUtmSouthmost && latitude <= kUtmNorthmost)) {
    return OutOfRange<UTMResult>("latitude must be between -80 and 84");
  }
  if (!(std::fabs(longitude) <= 180)) {
    return OutOfRange<UTMResult>("longitude must be between -180 and 180");
  }
  const std::int32_t grid = zone.value_or(UtmZoneNumber(latitude, longitude));
  const double fromMeridian = FromCentralMeridian(longitude, grid);
  if (std::fabs(fromMeridian) > kUtmZoneReach) {
    return OutOfRange<UTMResult>(FormatText(
        "the point lies %.2f degrees from the central meridian of zone %d (%g); a zone's grid "
        "serves points within %g degrees of it",
        std::fabs(fromMeridian), grid, UtmCentralMeridian(grid), kUtmZoneReach));
  }
  // Far out on a neighbour's grid the easting leaves what a position may have.
  const auto offGrid = [&](const UTMResult& r) {
    return r.easting >= 0 && r.easting <= kUtmEastingLimit
               ? std::string()
               : FormatText(
                     "on zone %d's grid this point's easting would be %.3f, outside 0 to "
                     "1000000",
                     grid, r.easting);
  };
  const UTMResult exact = LatLongToUTMExactInZone(latitude, longitude, grid, ellipsoid);
  if (std::string why = offGrid(exact); !why.empty()) return OutOfRange<UTMResult>(why);
  const UTMResult answer = method == UtmMethod::kExact
                               ? exact
                               : LatLongToUTMInZone(latitude, longitude, grid, ellipsoid);
  const std::string imprecise =
      ClassicRefusal(std::hypot(answer.easting - exact.easting, answer.northing - exact.northing),
                     fromMeridian, grid);
  if (!imprecise.empty()) return GeoFailure<UTMResult>(GeoError::kImprecise, imprecise);
  if (std::string why = offGrid(answer); !why.empty()) return OutOfRange<UTMResult>(why);
  return answer;
}

GeoResult<LatLong> UtmTextToLatLong(const UtmText& utm, const Ellipsoid& ellipsoid,
                                    UtmMethod method) {
  if (const GeoResult<UtmText> checked = CheckUtmText(utm); !checked) {
    return GeoFailure<LatLong>(checked.error, checked.message);
  }
  // The checks read the exact point, so that both methods refuse alike.
  const LatLong exact =
      UTMToLatLongExact(utm.northing, utm.easting, utm.zone, utm.southern, ellipsoid);
  const double fromMeridian = FromCentralMeridian(exact.longitude, utm.zone);
  if (std::fabs(fromMeridian) > 90) {
    return OutOfRange<LatLong>(
        FormatText("no point lies at these grid coordinates: on zone %d's grid they are beyond "
                   "the %s pole",
                   utm.zone, utm.southern == 1 ? "south" : "north"));
  }
  const std::optional<LatitudeBand> band =
      utm.band ? UtmBand(utm.band) : LatitudeBand{kUtmSouthmost, kUtmNorthmost};
  // Rounded grid figures and the classic series' error stay well inside this.
  constexpr double kSlack = 1e-4;  // degrees, about 11 m
  if (!band ||
      !(exact.latitude >= band->south - kSlack && exact.latitude <= band->north + kSlack)) {
    const double south = band ? band->south : 0, north = band ? band->north : 0;
    return OutOfRange<LatLong>(
        utm.band ? FormatText("this position lies at latitude %.4f, outside band %c (%g to %g); "
                              "the letter is the latitude band, not the hemisphere",
                              exact.latitude, utm.band, south, north)
                 : FormatText("this position lies at latitude %.4f, outside the latitudes UTM "
                              "covers (%g to %g)",
                              exact.latitude, south, north));
  }
  if (std::fabs(fromMeridian) > kUtmZoneReach) {
    return OutOfRange<LatLong>(FormatText(
        "this position lies %.2f degrees from the central meridian of zone %d (%g); a zone's "
        "grid serves points within %g degrees of it",
        std::fabs(fromMeridian), utm.zone, UtmCentralMeridian(utm.zone), kUtmZoneReach));
  }
  LatLong answer = method == UtmMethod::kExact
                       ? exact
                       : UTMToLatLong(utm.northing, utm.easting, utm.zone, utm.southern, ellipsoid);
  const std::string imprecise =
      ClassicRefusal(GroundDistance(answer, exact, ellipsoid), fromMeridian, utm.zone);
  if (!imprecise.empty()) return GeoFailure<LatLong>(GeoError::kImprecise, imprecise);
  answer.longitude = NormalLongitude(answer.longitude);
  return answer;
}

}  // namespace vantrel
