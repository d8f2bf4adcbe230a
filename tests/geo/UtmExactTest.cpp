#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "ReferenceTable.h"
#include "geo/UtmExact.h"

namespace vantrel {
namespace {

using Row = std::vector<std::string>;

// The rows of one direction: "F" forward, "I" inverse.
std::vector<Row> Rows(const std::string& kind) {
  std::vector<Row> rows;
  for (Row& row : testing::ReferenceRows("utm-reference.txt")) {
    if (row.size() == 8 && row[0] == kind) rows.push_back(row);
  }
  return rows;
}

double Number(const std::string& text) { return std::stod(text); }

std::string Joined(const Row& row) {
  std::string text;
  for (const std::string& field : row) text += field + " ";
  return text;
}

// Both directions must cover the whole table: every zone, both hemispheres,
// every ellipsoid, points up to 6 degrees from the central meridian.
void ExpectCoverage(const std::vector<Row>& rows) {
  std::set<std::string> ellipsoids, zones;
  for (const Row& row : rows) {
    ellipsoids.insert(row[1]);
    zones.insert(row[2] + row[3]);
  }
  EXPECT_GE(rows.size(), 2000u);
  EXPECT_EQ(ellipsoids.size(), static_cast<std::size_t>(kEllipsoidCount));
  EXPECT_EQ(zones.size(), 120u);
}

constexpr double kTolerance = 0.0001;  // metres; the table is printed to 10 um

TEST(UtmExact, ForwardAgreesWithTheReferenceTable) {
  const std::vector<Row> rows = Rows("F");
  ExpectCoverage(rows);
  double farthest = 0;
  for (const Row& row : rows) {
    const Ellipsoid& ellipsoid = Ellipsoids()[std::stoi(row[1])];
    const int zone = std::stoi(row[2]);
    const double latitude = Number(row[4]);
    const double longitude = Number(row[5]);
    const UTMResult r = LatLongToUTMExactInZone(latitude, longitude, zone, ellipsoid);
    if (std::fabs(r.easting - Number(row[6])) > kTolerance ||
        std::fabs(r.northing - Number(row[7])) > kTolerance || r.zoneNumber != zone ||
        r.southern != (row[3] == "S" ? 1 : 0)) {
      ADD_FAILURE() << Joined(row) << "gives " << r.easting << " " << r.northing;
    }
    // In the point's own zone the plain forward takes the same road.
    const UTMResult own = LatLongToUTMExact(latitude, longitude, ellipsoid);
    if (own.zoneNumber == zone) {
      EXPECT_EQ(own.easting, r.easting) << Joined(row);
    }
    const double off = std::remainder(longitude - UtmCentralMeridian(zone), 360);
    farthest = std::max(farthest, std::fabs(off));
  }
  EXPECT_GT(farthest, 5.9);
}

TEST(UtmExact, InverseAgreesWithTheReferenceTable) {
  const std::vector<Row> rows = Rows("I");
  ExpectCoverage(rows);
  constexpr double kMetresPerDegree = 6378137 * 3.141592653589793 / 180;
  for (const Row& row : rows) {
    const Ellipsoid& ellipsoid = Ellipsoids()[std::stoi(row[1])];
    const LatLong p = UTMToLatLongExact(Number(row[5]), Number(row[4]), std::stoi(row[2]),
                                        row[3] == "S" ? 1 : 0, ellipsoid);
    const double latitude = Number(row[6]);
    const double north = (p.latitude - latitude) * kMetresPerDegree;
    const double east = std::remainder(p.longitude - Number(row[7]), 360) * kMetresPerDegree *
                        std::cos(latitude * 3.141592653589793 / 180);
    if (std::hypot(north, east) > kTolerance) {
      ADD_FAILURE() << Joined(row) << "gives " << p.latitude << " " << p.longitude;
    }
  }
}

TEST(UtmExact, MethodChoosesTheFormulas) {
  const Ellipsoid& wgs84 = Ellipsoids()[0];
  // (60, 5) is 4 degrees off the central meridian of Norway's zone 32, where
  // the two differ by a decimetre.
  const UTMResult classic = LatLongToUTM(60, 5, wgs84);
  const UTMResult exact = LatLongToUTMExact(60, 5, wgs84);
  EXPECT_GT(std::fabs(classic.easting - exact.easting), 0.05);
  EXPECT_EQ(LatLongToUTM(60, 5, wgs84, UtmMethod::kClassic).easting, classic.easting);
  EXPECT_EQ(LatLongToUTM(60, 5, wgs84, UtmMethod::kExact).easting, exact.easting);
  EXPECT_EQ(LatLongToUTMInZone(60, 5, 31, wgs84, UtmMethod::kClassic).easting,
            LatLongToUTMInZone(60, 5, 31, wgs84).easting);
  EXPECT_EQ(LatLongToUTMInZone(60, 5, 31, wgs84, UtmMethod::kExact).easting,
            LatLongToUTMExactInZone(60, 5, 31, wgs84).easting);
  for (UtmMethod method : {UtmMethod::kClassic, UtmMethod::kExact}) {
    const UTMResult r = LatLongToUTM(60, 5, wgs84, method);
    EXPECT_EQ(r.zoneNumber, 32);
    EXPECT_EQ(r.zoneLetter, 'V');
    const LatLong back = UTMToLatLong(r.northing, r.easting, 32, 0, wgs84, method);
    EXPECT_NEAR(back.longitude, 5, method == UtmMethod::kExact ? 1e-11 : 3e-6);
  }
}

TEST(UtmExact, CallersZoneAcrossTheAntimeridian) {
  // 179.5 in zone 1 lies 3.5 degrees west of its meridian (-177): the mirror
  // image of -173.5, whichever formulas are used.
  for (UtmMethod method : {UtmMethod::kClassic, UtmMethod::kExact}) {
    const UTMResult across = LatLongToUTMInZone(-20, 179.5, 1, Ellipsoids()[0], method);
    const UTMResult mirror = LatLongToUTMInZone(-20, -173.5, 1, Ellipsoids()[0], method);
    EXPECT_NEAR(across.easting, 1000000 - mirror.easting, 1e-6);
    EXPECT_NEAR(across.northing, mirror.northing, 1e-6);
    EXPECT_EQ(across.southern, 1);
  }
}

TEST(UtmExact, PoleAndEquator) {
  // The pole lies a quarter meridian (10001965.729 m on this ellipsoid, times
  // 0.9996) up the central meridian, and comes back as 90 degrees.
  const UTMResult pole = LatLongToUTMExact(90, 3, Ellipsoids()[0]);
  EXPECT_NEAR(pole.northing, 9997964.942986, 1e-6);
  EXPECT_NEAR(pole.easting, 500000, 1e-6);
  EXPECT_NEAR(UTMToLatLongExact(pole.northing, 500000, 31, 0, Ellipsoids()[0]).latitude, 90, 1e-9);
  const UTMResult equator = LatLongToUTMExact(0, 3, Ellipsoids()[0]);
  EXPECT_EQ(equator.easting, 500000);
  EXPECT_EQ(equator.northing, 0);
  const LatLong origin = UTMToLatLongExact(0, 500000, 31, 0, Ellipsoids()[0]);
  EXPECT_EQ(origin.latitude, 0);
  EXPECT_EQ(origin.longitude, 3);
}

}  // namespace
}  // namespace vantrel
