#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "geo/Utm.h"

namespace vantrel {
namespace {

const Ellipsoid& Wgs84() { return Ellipsoids()[0]; }

struct Worked {
  double latitude, longitude;
  double northing, easting;
  int zone;
  char letter;
  int southern;
  double backTolerance;  // degrees, for the way back through UTMToLatLong
};

// Reference points on NAD83/WGS84, to the millimetre. (60, 5) lies in the
// widened Norway zone 32, 4 degrees off its central meridian, where the
// truncated series only comes back to 2e-6 degree.
constexpr Worked kWorked[] = {
    {33.732075, -84.90558, 3734419.547, 694036.968, 16, 'S', 0, 1e-6},
    {0, 0, 0.000, 166021.550, 31, 'N', 0, 1e-6},
    {-33.9, 18.4, 6245888.046, 259583.210, 34, 'H', 1, 1e-6},
    {60, 5, 6658157.206, 276979.815, 32, 'V', 0, 3e-6},
    {78, 15, 8658369.587, 500000.000, 33, 'X', 0, 1e-6},
    {84, 0, 9329005.183, 465005.347, 31, 'X', 0, 1e-6},
    {-80, -179.5, 1117373.054, 451550.130, 1, 'C', 1, 1e-6},
};

std::string Label(const Worked& w) {
  return std::to_string(w.latitude) + ", " + std::to_string(w.longitude);
}

TEST(LatLongToUTM, WorkedPointsToTheMillimetre) {
  for (const Worked& w : kWorked) {
    SCOPED_TRACE(Label(w));
    const UTMResult r = LatLongToUTM(w.latitude, w.longitude, Wgs84());
    EXPECT_NEAR(r.northing, w.northing, 0.0005);
    EXPECT_NEAR(r.easting, w.easting, 0.0005);
    EXPECT_EQ(r.zoneNumber, w.zone);
    EXPECT_EQ(r.zoneLetter, w.letter);
    EXPECT_EQ(r.southern, w.southern);
  }
}

TEST(UTMToLatLong, WorkedPointsComeBack) {
  for (const Worked& w : kWorked) {
    SCOPED_TRACE(Label(w));
    const LatLong p = UTMToLatLong(w.northing, w.easting, w.zone, w.southern, Wgs84());
    EXPECT_NEAR(p.latitude, w.latitude, w.backTolerance);
    EXPECT_NEAR(p.longitude, w.longitude, w.backTolerance);
  }
}

TEST(UTMToLatLong, NorwayPointKeepsItsDesignedError) {
  // The series has no higher terms; the error at (60, 5) is part of the result
  // users see and must not silently grow or vanish.
  const LatLong p = UTMToLatLong(6658157.206, 276979.815, 32, 0, Wgs84());
  EXPECT_NEAR(p.longitude, 4.999998, 5e-7);
}

TEST(LatLongToUTM, OnlyTheListedSeriesTerms) {
  // With a fifth-order easting term (0, 0) would give 166021.443.
  EXPECT_NEAR(LatLongToUTM(0, 0, Wgs84()).easting, 166021.550, 0.0005);
}

TEST(UTMToLatLong, HemisphereComesFromTheFlagAlone) {
  const LatLong north = UTMToLatLong(6245888.046, 259583.210, 34, 0, Wgs84());
  const LatLong south = UTMToLatLong(6245888.046, 259583.210, 34, 1, Wgs84());
  EXPECT_GT(north.latitude, 0);
  EXPECT_NEAR(south.latitude, -33.9, 1e-6);
}

struct Edge {
  double latitude, longitude;
  int zone;
  char letter;
};

// clang-format off
constexpr Edge kEdges[] = {
    // top of the last band, bottom of the first, and one band boundary
    {84, 50, 39, 'X'}, {84.0001, 50, 39, 'Z'},
    {-80, 50, 39, 'C'}, {-80.0001, 50, 39, 'Z'},
    {-72.0001, 50, 39, 'C'}, {-72, 50, 39, 'D'},
    // the antimeridian; below -180 nothing is wrapped; above 180 it is
    {0, 180, 1, 'N'}, {0, -180, 1, 'N'}, {0, 179.999, 60, 'N'},
    {0, -190, 0, 'N'}, {0, 540, 1, 'N'}, {0, 3, 31, 'N'},
    // Norway, and just outside it
    {56, 3, 32, 'V'}, {63.999, 11.999, 32, 'V'},
    {55.999, 3, 31, 'U'}, {64, 5, 31, 'W'}, {60, 2.999, 31, 'V'}, {60, 12, 33, 'V'},
    // Svalbard, and just outside it
    {72, 0, 31, 'X'}, {72, 8.999, 31, 'X'}, {72, 9, 33, 'X'}, {83.999, 20.999, 33, 'X'},
    {75, 21, 35, 'X'}, {75, 32.999, 35, 'X'}, {75, 33, 37, 'X'}, {75, 41.999, 37, 'X'},
    {75, 42, 38, 'X'}, {71.999, 8, 32, 'W'}, {84, 5, 31, 'X'}, {75, -0.5, 30, 'X'},
};
// clang-format on

TEST(LatLongToUTM, ZoneAndBandEdges) {
  for (const Edge& e : kEdges) {
    SCOPED_TRACE(std::to_string(e.latitude) + ", " + std::to_string(e.longitude));
    const UTMResult r = LatLongToUTM(e.latitude, e.longitude, Wgs84());
    EXPECT_EQ(r.zoneNumber, e.zone);
    EXPECT_EQ(r.zoneLetter, e.letter);
  }
}

TEST(LatLongToUTM, SouthernFlagAndFalseNorthing) {
  EXPECT_EQ(LatLongToUTM(-0.0, 10, Wgs84()).southern, 0);  // -0 counts as north
  const UTMResult justSouth = LatLongToUTM(-1e-9, 3, Wgs84());
  EXPECT_EQ(justSouth.southern, 1);
  EXPECT_NEAR(justSouth.northing, 10000000, 0.001);
}

TEST(LatLongToUTM, EllipsoidChangesTheResult) {
  // Same point, each ellipsoid: all finite, and the radii really take part.
  const UTMResult base = LatLongToUTM(33.732075, -84.90558, Ellipsoids()[0]);
  for (int i = 1; i < kEllipsoidCount; ++i) {
    SCOPED_TRACE(i);
    const Ellipsoid& e = Ellipsoids()[i];
    const UTMResult r = LatLongToUTM(33.732075, -84.90558, e);
    EXPECT_TRUE(std::isfinite(r.northing) && std::isfinite(r.easting));
    EXPECT_NEAR(r.northing, base.northing, 1000);
    const LatLong back = UTMToLatLong(r.northing, r.easting, r.zoneNumber, r.southern, e);
    EXPECT_NEAR(back.latitude, 33.732075, 1e-6);
    EXPECT_NEAR(back.longitude, -84.90558, 1e-6);
  }
  // GRS 80 differs from WGS84 by 0.1 mm in b: under a millimetre here.
  EXPECT_NEAR(LatLongToUTM(33.732075, -84.90558, Ellipsoids()[1]).northing, base.northing, 0.001);
  EXPECT_GT(std::fabs(LatLongToUTM(33.732075, -84.90558, Ellipsoids()[4]).northing - base.northing),
            1);
}

TEST(LatLongToUTM, AbsurdInputStaysDefined) {
  // No range is checked, but huge or NaN values must not reach an undefined cast.
  for (double lon : {1e300, -1e300, double(NAN), double(INFINITY)}) {
    const UTMResult r = LatLongToUTM(1e300, lon, Wgs84());
    EXPECT_EQ(r.zoneLetter, 'Z');
  }
  EXPECT_EQ(LatLongToUTM(NAN, 0, Wgs84()).zoneLetter, 'Z');
  EXPECT_EQ(LatLongToUTM(NAN, 0, Wgs84()).southern, 0);
}

}  // namespace
}  // namespace vantrel
