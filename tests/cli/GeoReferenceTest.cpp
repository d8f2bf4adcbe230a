// vantrel-convert's coordinate commands against the geodesy's reference
// tables (tests/geo, from PROJ and GeoConvert), every row through the
// command line.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "CliRun.h"
#include "geo/ReferenceTable.h"
#include "geo/Utm.h"
#include "geo/UtmZone.h"
#include "platform/NumberText.h"
#include "support/TabFields.h"

namespace vantrel::cli {
namespace {

using Row = std::vector<std::string>;
using testing::TabFields;

double Number(const std::string& text) { return ParseDouble(text.c_str()); }

std::string Joined(const Row& row) {
  std::string text;
  for (const std::string& field : row) text += field + " ";
  return text;
}

// The UTM rows of one direction: "F" forward, "I" inverse.
std::vector<Row> UtmRows(const std::string& kind) {
  std::vector<Row> rows;
  for (Row& row : testing::ReferenceRows("utm-reference.txt"))
    if (row.size() == 8 && row[0] == kind) rows.push_back(row);
  return rows;
}

// Northing and easting of --utm's output; NaN when it has none.
struct Grid {
  double northing = NAN;
  double easting = NAN;
  std::string zone;
  std::string hemisphere;
};
Grid ReadGrid(const Outcome& run) {
  const std::vector<std::string> f = TabFields(run.out);
  if (run.code != 0 || f.size() != 4) return {};
  return {Number(f[0]), Number(f[1]), f[2], f[3]};
}

// Latitude and longitude of --latlong's output; NaN when it has none.
LatLong ReadLatLong(const Outcome& run) {
  const std::vector<std::string> f = TabFields(run.out);
  if (run.code != 0 || f.size() != 4) return {NAN, NAN};
  return {Number(f[0]), Number(f[1])};
}

// The grid is printed to the millimetre: half a millimetre of rounding, and
// the table's 10 um and the projection's error well inside the rest.
constexpr double kGridTolerance = 0.0006;  // metres
// Degrees are printed to 1e-9 (0.1 mm at most); the table has 1e-10.
constexpr double kPointTolerance = 0.0002;  // metres
constexpr double kMetresPerDegree = 6378137 * 3.141592653589793 / 180;

TEST(GeoReferenceTest, UtmExactAgreesWithEveryRow) {
  const std::vector<Row> rows = UtmRows("F");
  ASSERT_GE(rows.size(), 2000u);
  std::size_t ownZone = 0;
  for (const Row& row : rows) {
    Arguments args{"--utm", row[4], row[5], "--exact", "--ellipsoid", row[1]};
    // Half the points lie up to 6 degrees out of the zone whose grid the
    // row gives, in a neighbouring zone's ground.
    if (UtmZoneNumber(Number(row[4]), Number(row[5])) == std::stoi(row[2]))
      ++ownZone;
    else
      args.insert(args.end(), {"--zone", row[2]});
    const Outcome run = RunCli(args);
    if (const double easting = Number(row[6]); easting < 0 || easting > 1000000) {
      EXPECT_EQ(run.code, 1) << Joined(row) << run.err;  // no position has it
      continue;
    }
    const Grid grid = ReadGrid(run);
    if (!(std::fabs(grid.northing - Number(row[7])) <= kGridTolerance &&
          std::fabs(grid.easting - Number(row[6])) <= kGridTolerance &&
          grid.zone.starts_with(row[2] + " ") && grid.hemisphere == row[3]))
      ADD_FAILURE() << Joined(row) << "gives " << run.out << run.err;
  }
  EXPECT_GT(ownZone, rows.size() / 3);
  EXPECT_LT(ownZone, rows.size() * 2 / 3);
}

// Every other row is given as on a map ("16S 694037 3734420"). Eastings
// beyond 0 to 1000000 (points more than 3 degrees out at low latitudes) are
// outside what --latlong takes, and refused as such.
TEST(GeoReferenceTest, LatLongExactAgreesWithEveryRowOfTheGrid) {
  const std::vector<Row> rows = UtmRows("I");
  ASSERT_GE(rows.size(), 2000u);
  std::size_t agreed = 0;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const Row& row = rows[i];
    const double latitude = Number(row[6]);
    Arguments args{"--latlong"};
    if (i % 2) {
      args.push_back(row[2] + UtmBandLetter(latitude) + " " + row[4] + " " + row[5]);
    } else {
      args.insert(args.end(), {row[5], row[4], row[2]});
      if (row[3] == "S") args.push_back("--south");
    }
    args.insert(args.end(), {"--exact", "--ellipsoid", row[1]});
    const Outcome run = RunCli(args);
    const double easting = Number(row[4]);
    if (easting < 0 || easting > 1000000) {
      // A sign is no part of a map position: there it cannot be read.
      EXPECT_EQ(run.code, easting < 0 && i % 2 ? 2 : 1) << Joined(row);
      EXPECT_NE(run.err.find("easting"), std::string::npos) << Joined(row) << run.err;
      continue;
    }
    const LatLong p = ReadLatLong(run);
    const double north = (p.latitude - latitude) * kMetresPerDegree;
    const double east = std::remainder(p.longitude - Number(row[7]), 360) * kMetresPerDegree *
                        std::cos(latitude * 3.141592653589793 / 180);
    if (std::hypot(north, east) <= kPointTolerance)
      ++agreed;
    else
      ADD_FAILURE() << Joined(row) << "gives " << run.out << run.err;
  }
  EXPECT_GE(agreed, 1800u);
}

// Every reference as GeoConvert writes it, and read back, the square's
// centre: on the reference's grid the point lies within half a side of it
// in both directions.
TEST(GeoReferenceTest, MgrsAgreesWithEveryRowAndReadsBackToItsSquare) {
  const std::vector<Row> rows = testing::ReferenceRows("mgrs-reference.txt");
  ASSERT_GE(rows.size(), 500u);
  for (const Row& row : rows) {
    ASSERT_EQ(row.size(), 4u) << Joined(row);
    const Outcome mgrs = RunCli({"--mgrs", row[0], row[1], "--precision", row[2]});
    EXPECT_EQ(mgrs.out, row[3] + "\n") << Joined(row) << mgrs.err;
    // The centre as printed: latitude and longitude first.
    const Outcome back = RunCli({"--latlong", row[3]});
    const std::vector<std::string> centre = TabFields(back.out);
    ASSERT_EQ(centre.size(), 4u) << Joined(row) << back.err;
    const std::string zone = row[3].substr(0, 2);
    const auto grid = [&](const std::string& latitude, const std::string& longitude) {
      return ReadGrid(RunCli({"--utm", latitude, longitude, "--exact", "--zone", zone}));
    };
    const Grid point = grid(row[0], row[1]);
    const Grid middle = grid(centre[0], centre[1]);
    const double half = std::pow(10.0, 5 - std::stoi(row[2])) / 2 + 0.001;
    if (!(std::fabs(point.easting - middle.easting) <= half &&
          std::fabs(point.northing - middle.northing) <= half))
      ADD_FAILURE() << Joined(row) << "reads back as " << back.out;
  }
}

}  // namespace
}  // namespace vantrel::cli
