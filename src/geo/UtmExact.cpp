#include "geo/UtmExact.h"

#include "geo/TransverseMercator.h"
#include "geo/UtmZone.h"

namespace vantrel {

UTMResult LatLongToUTMExact(double latitude, double longitude, const Ellipsoid& ellipsoid) {
  return LatLongToUTMExactInZone(latitude, longitude, UtmZoneNumber(latitude, longitude),
                                 ellipsoid);
}

UTMResult LatLongToUTMExactInZone(double latitude, double longitude, std::int32_t zone,
                                  const Ellipsoid& ellipsoid) {
  const double fromMeridian =
      UtmLongitudeNear(WrapUtmLongitude(longitude), zone) - UtmCentralMeridian(zone);
  const TransverseMercator::Plane p = TransverseMercator(ellipsoid).Forward(latitude, fromMeridian);
  UTMResult result;
  result.zoneNumber = zone;
  result.zoneLetter = UtmBandLetter(latitude);
  result.easting = kUtmFalseEasting + kUtmScale * p.x;
  result.northing = kUtmScale * p.y;
  if (latitude < 0) {
    result.southern = 1;
    result.northing += kUtmFalseNorthingSouth;
  }
  return result;
}

LatLong UTMToLatLongExact(double northing, double easting, double zoneNumber, std::int32_t southern,
                          const Ellipsoid& ellipsoid) {
  const double y = (southern == 1 ? northing - kUtmFalseNorthingSouth : northing) / kUtmScale;
  const double x = (easting - kUtmFalseEasting) / kUtmScale;
  const TransverseMercator::Geographic g = TransverseMercator(ellipsoid).Reverse(x, y);
  return {g.latitude, UtmCentralMeridian(zoneNumber) + g.longitude};
}

UTMResult LatLongToUTM(double latitude, double longitude, const Ellipsoid& ellipsoid,
                       UtmMethod method) {
  return method == UtmMethod::kExact ? LatLongToUTMExact(latitude, longitude, ellipsoid)
                                     : LatLongToUTM(latitude, longitude, ellipsoid);
}

UTMResult LatLongToUTMInZone(double latitude, double longitude, std::int32_t zone,
                             const Ellipsoid& ellipsoid, UtmMethod method) {
  return method == UtmMethod::kExact ? LatLongToUTMExactInZone(latitude, longitude, zone, ellipsoid)
                                     : LatLongToUTMInZone(latitude, longitude, zone, ellipsoid);
}

LatLong UTMToLatLong(double northing, double easting, double zoneNumber, std::int32_t southern,
                     const Ellipsoid& ellipsoid, UtmMethod method) {
  return method == UtmMethod::kExact
             ? UTMToLatLongExact(northing, easting, zoneNumber, southern, ellipsoid)
             : UTMToLatLong(northing, easting, zoneNumber, southern, ellipsoid);
}

}  // namespace vantrel
