// Random grid positions and points through the coordinate commands, both
// methods: every answer lies in range and in its band, as near the exact
// projection's point as the manual page states, and --latlong reads back what
// --utm prints; all else is refused with exit 1, alike but for accuracy.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "CliRun.h"
#include "geo/UtmExact.h"
#include "platform/NumberText.h"
#include "support/TabFields.h"

namespace vantrel::cli {
namespace {

constexpr double kClassic = 1.2 + 0.001;  // metres: as the manual states it, and rounding

struct Answer {
  int code;
  std::vector<std::string> f;  // the fields printed
  std::string err;
  double at(int i) const { return ParseDouble(f.at(i).c_str()); }
};
Answer Ask(Arguments args, bool exact) {
  std::erase(args, "");
  args.push_back(exact ? "--exact" : "--method=classic");
  const Outcome o = RunCli(args);
  return {o.code, testing::TabFields(o.out), o.err};
}

// How far from `n`, `e` on the zone's grid the exact projection puts a point.
double Off(double lat, double lon, int zone, double n, double e) {
  const UTMResult grid = LatLongToUTMExactInZone(lat, lon, zone, Ellipsoids()[0]);
  return std::hypot(grid.easting - e, grid.northing - n);
}

// A --latlong answer for the grid position: in its band (UTM's latitudes
// without one) and hemisphere, and where the grid puts it.
bool PointOk(const Answer& a, int zone, bool south, double e, double n, char band, bool exact) {
  const double lat = a.at(0), lon = a.at(1);
  const auto [low, high] = band ? *UtmBand(band) : LatitudeBand{-80, 84};
  return lat >= low - 1e-4 && lat <= high + 1e-4 && (south ? lat <= 0 : lat >= 0) && lon >= -180 &&
         lon < 180 && Off(lat, lon, zone, n, e) <= (exact ? 0.001 : kClassic);
}

// A --utm answer for the point: a position --latlong reads, with the point's
// band and hemisphere, where the grid puts the point; read back to it.
bool GridOk(const Answer& a, double lat, double lon, int zone, bool exact) {
  const double n = a.at(0), e = a.at(1);
  const std::string z = a.f.at(2).substr(0, a.f[2].find(' '));
  const Answer back = Ask({"--latlong", a.f[0], a.f[1], z, a.f[3] == "S" ? "--south" : ""}, exact);
  return a.f[2].back() == UtmBandLetter(lat) && a.f[3] == (lat < 0 ? "S" : "N") &&
         (!zone || std::stoi(z) == zone) &&
         Off(lat, lon, std::stoi(z), n, e) <= (exact ? 0.00071 : kClassic) && back.code == 0 &&
         Off(back.at(0), back.at(1), std::stoi(z), n, e) <= (exact ? 0.001 : 2 * kClassic);
}

TEST(GeoPropertyTest, EveryAnswerIsPossibleAndEveryRefusalAConversionError) {
  std::mt19937_64 random(35);
  // Rounded as written, so that the answers are weighed against what was asked.
  const auto uniform = [&](double low, double high, int decimals) {
    const double value = std::uniform_real_distribution<double>(low, high)(random);
    return ParseDouble(FormatText("%.*f", decimals, value).c_str());
  };
  int faults = 0;
  for (int i = 0; i < 100000; ++i) {
    // Grid positions all over each zone's grid, half as on maps with a band
    // (at times another's); points, half on a zone's up to 10 degrees away.
    const bool grid = i % 2, written = i % 4 == 1, near = i % 4 == 2;
    const int zone = 1 + static_cast<int>(random() % 60), south = random() % 2;
    const double e = uniform(0, 1e6, 3), n = uniform(0, 1e7, 3), lat = uniform(-80, 84, 9);
    const double lon = uniform(-180, 180, 9);
    char band = UtmBandLetter(UTMToLatLongExact(n, e, zone, south, Ellipsoids()[0]).latitude);
    if (band == 'Z' || i % 16 == 1) band = (south ? "CDEFGHJKLM" : "NPQRSTUVWX")[random() % 10];
    const int other = UtmZoneNumber(0, std::remainder(lon + uniform(-10, 10, 9), 360));
    const std::string z = std::to_string(zone), nearby = near ? std::to_string(other) : "";
    Arguments args = grid ? Arguments{"--latlong", FormatText("%.3f", n), FormatText("%.3f", e), z,
                                      south ? "--south" : ""}
                          : Arguments{"--utm", FormatText("%.9f", lat), FormatText("%.9f", lon),
                                      near ? "--zone" : "", nearby};
    if (written) args = {"--latlong", z + band + FormatText(" %.3f %.3f", e, n)};
    const Answer a[] = {Ask(args, false), Ask(args, true)};
    // The classic series may refuse more, for its accuracy alone.
    bool fault = (a[0].code == 0 && a[1].code != 0) ||
                 (a[0].code == 1 && a[1].code == 0 &&
                  a[0].err.find("; --exact converts it") == std::string::npos);
    for (bool exact : {false, true}) {
      const Answer& r = a[exact];
      fault |= r.code == 0 ? !(grid ? PointOk(r, zone, south, e, n, written ? band : 0, exact)
                                    : GridOk(r, lat, lon, near ? other : 0, exact))
                           : r.code != 1;
    }
    if (fault && ++faults <= 5) ADD_FAILURE() << args[1] << " " << args[2] << " " << a[0].err;
  }
  EXPECT_EQ(faults, 0);
}

}  // namespace
}  // namespace vantrel::cli
