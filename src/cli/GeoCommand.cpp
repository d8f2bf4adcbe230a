#include "cli/GeoCommand.h"

#include <cmath>
#include <limits>
#include <optional>
#include <ostream>
#include <string>

#include "geo/Dms.h"
#include "geo/Ellipsoid.h"
#include "geo/Utm.h"
#include "platform/NumberText.h"
#include "platform/TextEncoding.h"

namespace vantrel::cli {

namespace {

struct GeoArguments {
  Arguments positional;
  int ellipsoid = 0;
  bool south = false;
};

std::string EllipsoidNames() {
  std::string names;
  for (const Ellipsoid& e : Ellipsoids()) {
    if (!names.empty()) names += ", ";
    names += "'" + WideToUtf8(e.name) + "'";
  }
  return names;
}

// An index of the table or an exact name; prints the error itself.
std::optional<int> ParseEllipsoid(const std::string& text, std::ostream& err) {
  const char* end = nullptr;
  const long index = ParseLong(text.c_str(), &end);
  if (end != text.c_str() && *end == '\0') {
    if (index >= 0 && index < kEllipsoidCount) return static_cast<int>(index);
    Fail(err, kExitUsageError,
         FormatText("ellipsoid index %s is out of range (0 to %d)", text.c_str(),
                    kEllipsoidCount - 1));
    return std::nullopt;
  }
  const std::wstring name = Utf8ToWide(text);
  for (int i = 0; i < kEllipsoidCount; ++i) {
    if (Ellipsoids()[i].name == name) return i;
  }
  Fail(err, kExitUsageError,
       "unknown ellipsoid '" + text + "'; give an index 0 to " +
           std::to_string(kEllipsoidCount - 1) + " or one of " + EllipsoidNames());
  return std::nullopt;
}

// Splits the arguments after the command into numbers and options. Anything
// starting with "--" is an option, so negative numbers pass as positional.
std::optional<GeoArguments> SplitArguments(const Arguments& args, bool acceptsSouth,
                                           std::ostream& err) {
  GeoArguments out;
  const std::string& command = args.front();
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.rfind("--", 0) != 0) {
      out.positional.push_back(arg);
    } else if (arg == "--ellipsoid" || arg.rfind("--ellipsoid=", 0) == 0) {
      std::string value;
      if (arg == "--ellipsoid") {
        if (i + 1 == args.size()) {
          Fail(err, kExitUsageError, "--ellipsoid needs an index or a name (see --ellipsoids)");
          return std::nullopt;
        }
        value = args[++i];
      } else {
        value = arg.substr(arg.find('=') + 1);
      }
      const std::optional<int> index = ParseEllipsoid(value, err);
      if (!index) return std::nullopt;
      out.ellipsoid = *index;
    } else if (arg == "--south" && acceptsSouth) {
      out.south = true;
    } else {
      Fail(err, kExitUsageError, "unknown option '" + arg + "' for " + command + " (try --help)");
      return std::nullopt;
    }
  }
  return out;
}

// A finite number that uses the whole argument; prints the error itself.
std::optional<double> ParseNumber(const std::string& text, const char* what, std::ostream& err) {
  const char* end = nullptr;
  const double value = ParseDouble(text.c_str(), &end);
  if (end == text.c_str() || *end != '\0') {
    Fail(err, kExitUsageError, std::string(what) + " '" + text + "' is not a number");
    return std::nullopt;
  }
  if (!std::isfinite(value)) {
    Fail(err, kExitUsageError, std::string(what) + " '" + text + "' is not a finite number");
    return std::nullopt;
  }
  return value;
}

std::optional<int> ParseZone(const std::string& text, std::ostream& err) {
  const char* end = nullptr;
  const long zone = ParseLong(text.c_str(), &end);
  if (end == text.c_str() || *end != '\0') {
    Fail(err, kExitUsageError, "zone '" + text + "' is not a whole number");
    return std::nullopt;
  }
  if (zone < std::numeric_limits<int>::min() || zone > std::numeric_limits<int>::max()) {
    Fail(err, kExitUsageError, "zone '" + text + "' is out of range");
    return std::nullopt;
  }
  return static_cast<int>(zone);
}

// What UTM covers: a coordinate outside gives numbers without meaning, so
// the command line refuses it (the coordinate dialog converts what it gets).
struct Range {
  const char* what;
  double low;
  double high;
};
constexpr Range kLatitudeRange{"latitude", -80, 84};
constexpr Range kLongitudeRange{"longitude", -180, 180};
constexpr Range kNorthingRange{"northing", 0, 10000000};
constexpr Range kEastingRange{"easting", 0, 1000000};
constexpr Range kZoneRange{"zone", 1, 60};

// Prints the error itself.
bool InRange(double value, const Range& range, const std::string& text, std::ostream& err) {
  if (value >= range.low && value <= range.high) return true;
  Fail(err, kExitConversionError,
       FormatText("%s '%s' is outside %.0f to %.0f", range.what, text.c_str(), range.low,
                  range.high));
  return false;
}

std::string DmsText(double value) {
  const DMS dms = DecimalToDMS(value);
  return FormatText("%s %d %d", DegreesText(dms).c_str(), dms.minutes, dms.seconds);
}

void WriteLine(std::ostream& out, const std::string& line) { out << line << '\n'; }

}  // namespace

int RunUtm(const Arguments& args, std::ostream& out, std::ostream& err) {
  const std::optional<GeoArguments> parsed = SplitArguments(args, false, err);
  if (!parsed) return kExitUsageError;
  if (parsed->positional.size() != 2) {
    return Fail(err, kExitUsageError, "--utm needs LAT and LON (try --help)");
  }
  const std::optional<double> latitude = ParseNumber(parsed->positional[0], "latitude", err);
  if (!latitude) return kExitUsageError;
  const std::optional<double> longitude = ParseNumber(parsed->positional[1], "longitude", err);
  if (!longitude) return kExitUsageError;
  if (!InRange(*latitude, kLatitudeRange, parsed->positional[0], err) ||
      !InRange(*longitude, kLongitudeRange, parsed->positional[1], err))
    return kExitConversionError;

  const UTMResult r = LatLongToUTM(*latitude, *longitude, Ellipsoids()[parsed->ellipsoid]);
  if (!std::isfinite(r.northing) || !std::isfinite(r.easting)) {
    return Fail(err, kExitConversionError, "this point has no finite UTM coordinates");
  }
  WriteLine(out, FormatText("%1.3f\t%1.3f\t%d %c\t%c", r.northing, r.easting, r.zoneNumber,
                            r.zoneLetter, r.southern == 1 ? 'S' : 'N'));
  return kExitSuccess;
}

int RunLatLong(const Arguments& args, std::ostream& out, std::ostream& err) {
  const std::optional<GeoArguments> parsed = SplitArguments(args, true, err);
  if (!parsed) return kExitUsageError;
  if (parsed->positional.size() != 3) {
    return Fail(err, kExitUsageError, "--latlong needs NORTHING, EASTING and ZONE (try --help)");
  }
  const std::optional<double> northing = ParseNumber(parsed->positional[0], "northing", err);
  if (!northing) return kExitUsageError;
  const std::optional<double> easting = ParseNumber(parsed->positional[1], "easting", err);
  if (!easting) return kExitUsageError;
  const std::optional<int> zone = ParseZone(parsed->positional[2], err);
  if (!zone) return kExitUsageError;
  if (!InRange(*northing, kNorthingRange, parsed->positional[0], err) ||
      !InRange(*easting, kEastingRange, parsed->positional[1], err) ||
      !InRange(*zone, kZoneRange, parsed->positional[2], err))
    return kExitConversionError;

  const LatLong p = UTMToLatLong(*northing, *easting, *zone, parsed->south ? 1 : 0,
                                 Ellipsoids()[parsed->ellipsoid]);
  if (!std::isfinite(p.latitude) || !std::isfinite(p.longitude)) {
    return Fail(err, kExitConversionError,
                "these UTM coordinates have no finite latitude and longitude");
  }
  WriteLine(out, FormatText("%.9f\t%.9f\t%s\t%s", p.latitude, p.longitude,
                            DmsText(p.latitude).c_str(), DmsText(p.longitude).c_str()));
  return kExitSuccess;
}

int RunEllipsoids(const Arguments& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1) {
    return Fail(err, kExitUsageError, "--ellipsoids takes no arguments");
  }
  for (int i = 0; i < kEllipsoidCount; ++i) {
    WriteLine(out, FormatText("%d\t%s", i, WideToUtf8(Ellipsoids()[i].name).c_str()));
  }
  return kExitSuccess;
}

}  // namespace vantrel::cli
