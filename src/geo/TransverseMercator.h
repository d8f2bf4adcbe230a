// The transverse Mercator projection of an ellipsoid to the precision of its
// measurement: Krueger's series in the third flattening n, carried to n^6,
// which holds to a few nanometres within 3900 km of the central meridian.
// Angles in degrees, lengths in metres at unit scale on the central meridian
// (the caller applies k0 and the false origin).
#pragma once

#include <array>

#include "geo/Ellipsoid.h"

namespace vantrel {

class TransverseMercator {
 public:
  explicit TransverseMercator(const Ellipsoid& ellipsoid);

  struct Plane {
    double x = 0;  // east of the central meridian
    double y = 0;  // north of the equator
  };
  struct Geographic {
    double latitude = 0;
    double longitude = 0;  // from the central meridian
  };

  // Meant for points less than 90 degrees from the central meridian; the
  // series loses its precision beyond 3900 km from it.
  Plane Forward(double latitude, double longitude) const;
  Geographic Reverse(double x, double y) const;

 private:
  static constexpr int kOrder = 6;

  // The conformal latitude's tangent of a latitude's tangent, and back.
  double ConformalTangent(double tau) const;
  double GeodeticTangent(double conformalTau) const;

  double e_;                          // first eccentricity
  double e2_;                         // its square
  double radius_;                     // A, the rectifying radius: 2 pi A is the meridian's length
  std::array<double, kOrder> alpha_;  // conformal sphere to plane
  std::array<double, kOrder> beta_;   // and back
};

}  // namespace vantrel
