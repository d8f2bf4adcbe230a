// Random grid positions and points through the coordinate commands, with a
// fixed seed and both methods: every answer lies in range and in its band or
// is refused with exit 1, the classic series stays within what the manual
// page states, and what --utm prints --latlong reads back.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>
#include <string>

#include "CliRun.h"
#include "geo/UtmExact.h"
#include "platform/NumberText.h"
#include "support/TabFields.h"

namespace vantrel::cli {
namespace {

constexpr double kClassic = 1.1;  // metres, the classic series' worst as the manual states it
constexpr double kSlack = 1e-4;   // degrees, the band edges' allowance
constexpr double kMetresPerDegree = 6378137 * 3.141592653589793 / 180;

double Metres(double lat1, double lon1, double lat2, double lon2) {
  return std::hypot(lat1 - lat2, std::remainder(lon1 - lon2, 360) * std::cos(lat1 / 57.29578)) *
         kMetresPerDegree;
}

struct Answer {
  int code;
  std::vector<std::string> f;  // the answer's fields
  std::string err;
  double at(int i) const { return ParseDouble(f.at(i).c_str()); }
};
Answer Ask(Arguments args, UtmMethod method) {
  args.push_back(method == UtmMethod::kExact ? "--exact" : "--method=classic");
  const Outcome o = RunCli(args);
  return {o.code, o.code == 0 ? testing::TabFields(o.out) : std::vector<std::string>{}, o.err};
}

// What is wrong with a --latlong answer for zone `zone`'s grid at (e, n);
// empty when nothing is. `band` is 0 when none was given.
std::string LatLongFault(const Answer& r, int zone, bool south, double e, double n, char band,
                         UtmMethod method) {
  if (r.f.size() != 4) return "fields";
  const double lat = r.at(0), lon = r.at(1);
  const auto [low, high] = band ? *UtmBand(band) : LatitudeBand{-80, 84};
  if (!(lat >= low - kSlack && lat <= high + kSlack) || (south ? lat > 0 : lat < 0))
    return "latitude out of range or band";
  if (!(lon >= -180 && lon < 180)) return "longitude beyond -180..180";
  const UTMResult back = LatLongToUTMExactInZone(lat, lon, zone, Ellipsoids()[0]);
  const double off = std::hypot(back.easting - e, back.northing - n);
  return off <= (method == UtmMethod::kExact ? 0.001 : kClassic + 0.001) ? "" : "not the point";
}

// What is wrong with a --utm answer for (lat, lon), and with --latlong
// reading it back; empty when nothing is.
std::string UtmFault(const Answer& r, double lat, double lon, int zone, UtmMethod method) {
  if (r.f.size() != 4) return "fields";
  const double n = r.at(0), e = r.at(1);
  const int printed = std::stoi(r.f[2]);
  const bool south = r.f[3] == "S";
  if (!(e >= 0 && e <= 1e6 && n >= 0 && n <= 1e7)) return "grid out of range";
  if (r.f[2].back() != UtmBandLetter(lat) || south != (lat < 0) || (zone && printed != zone))
    return "zone, band or hemisphere";
  const UTMResult exact = LatLongToUTMExactInZone(lat, lon, printed, Ellipsoids()[0]);
  if (std::hypot(exact.easting - e, exact.northing - n) >
      (method == UtmMethod::kExact ? 0.00071 : kClassic))
    return "not the point";
  Arguments back{"--latlong", r.f[0], r.f[1], std::to_string(printed)};
  if (south) back.push_back("--south");
  const Answer read = Ask(back, method);
  if (read.code != 0) return "not read back: " + read.err;
  const double off = Metres(read.at(0), read.at(1), lat, lon);
  return off <= (method == UtmMethod::kExact ? 0.001 : 2 * kClassic) ? "" : "read back elsewhere";
}

TEST(GeoPropertyTest, EveryAnswerIsPossibleAndEveryRefusalAConversionError) {
  std::mt19937_64 random(35);
  const auto uniform = [&](double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random);
  };
  std::map<std::string, int> faults, outcomes;
  const auto judge = [&](const std::string& input, const Answer(&runs)[2], std::string fault[2]) {
    // The same checks for both: only the classic series' accuracy differs.
    if (runs[1].code != 0 && runs[0].code == 0) fault[0] = "answers what exact refuses";
    if (runs[0].code == 1 && runs[1].code == 0 &&
        runs[0].err.find("classic series") == std::string::npos)
      fault[0] = "refused by another check";
    for (int m = 0; m < 2; ++m) {
      const std::string method = m ? "exact " : "classic ";
      if (runs[m].code != 0 && runs[m].code != 1) fault[m] = "exit " + std::to_string(runs[m].code);
      if (fault[m].empty()) {
        ++outcomes[method + (runs[m].code ? "refused" : "answered")];
      } else if (++faults[method + fault[m]] <= 3) {
        ADD_FAILURE() << input << " " << method << fault[m];
      }
    }
  };
  constexpr UtmMethod kMethods[] = {UtmMethod::kClassic, UtmMethod::kExact};
  int inputs = 0;
  for (int i = 0; i < 50000; ++i, ++inputs) {
    const int zone = 1 + static_cast<int>(random() % 60);
    const bool south = random() % 2;
    const std::string e = FormatText("%.3f", uniform(0, 1e6));
    const std::string n = FormatText("%.3f", uniform(0, 1e7));
    Arguments args{"--latlong", n, e, std::to_string(zone)};
    char band = 0;
    if (i % 2) {
      const double lat = UTMToLatLongExact(ParseDouble(n.c_str()), ParseDouble(e.c_str()), zone,
                                           south, Ellipsoids()[0])
                             .latitude;
      band = UtmBandLetter(lat);
      if (band == 'Z' || i % 8 == 1) band = (south ? "CDEFGHJKLM" : "NPQRSTUVWX")[random() % 10];
      args = {"--latlong", std::to_string(zone) + band + " " + e + " " + n};
    } else if (south) {
      args.push_back("--south");
    }
    Answer runs[2];
    std::string fault[2];
    for (int m = 0; m < 2; ++m) {
      runs[m] = Ask(args, kMethods[m]);
      if (runs[m].code == 0)
        fault[m] = LatLongFault(runs[m], zone, south, ParseDouble(e.c_str()),
                                ParseDouble(n.c_str()), band, kMethods[m]);
    }
    if (fault[0].empty() && runs[0].code == 0 && runs[1].code == 0 &&
        Metres(runs[0].at(0), runs[0].at(1), runs[1].at(0), runs[1].at(1)) > kClassic)
      fault[0] = "off the exact answer";
    judge(args[1] + " " + (args.size() > 2 ? args[2] + " " + args[3] : ""), runs, fault);
  }
  for (int i = 0; i < 50000; ++i, ++inputs) {
    const double lat = uniform(-80, 84), lon = uniform(-180, 180);
    Arguments args{"--utm", FormatText("%.6f", lat), FormatText("%.6f", lon)};
    int zone = 0;
    if (i % 2) {
      zone = UtmZoneNumber(0, std::remainder(lon + uniform(-10, 10), 360));
      args.insert(args.end(), {"--zone", std::to_string(zone)});
    }
    Answer runs[2];
    std::string fault[2];
    for (int m = 0; m < 2; ++m) {
      runs[m] = Ask(args, kMethods[m]);
      if (runs[m].code == 0)
        fault[m] = UtmFault(runs[m], ParseDouble(args[1].c_str()), ParseDouble(args[2].c_str()),
                            zone, kMethods[m]);
    }
    if (fault[0].empty() && runs[0].code == 0 && runs[1].code == 0 &&
        std::hypot(runs[0].at(0) - runs[1].at(0), runs[0].at(1) - runs[1].at(1)) > kClassic)
      fault[0] = "off the exact answer";
    judge(args[1] + " " + args[2] + (zone ? " --zone " + std::to_string(zone) : ""), runs, fault);
  }
  std::string summary;
  for (const auto& [what, count] : outcomes)
    summary += FormatText("%s %.2f%%, ", what.c_str(), 100.0 * count / inputs);
  for (const auto& [what, count] : faults)
    summary += FormatText("FAULT %s %.2f%%, ", what.c_str(), 100.0 * count / inputs);
  std::printf("%d inputs: %s\n", inputs, summary.c_str());
}

}  // namespace
}  // namespace vantrel::cli
