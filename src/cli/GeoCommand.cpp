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

std::string EllipsoidNames() {
  std::string names;
  for (const Ellipsoid& e : Ellipsoids()) {
    if (!names.empty()) names += ", ";
    names += "'" + WideToUtf8(e.name) + "'";
  }
  return names;
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

bool ParseEllipsoid(const std::string& text, int& index, std::string& error) {
  const char* end = nullptr;
  const long number = ParseLong(text.c_str(), &end);
  if (end != text.c_str() && *end == '\0') {
    if (number >= 0 && number < kEllipsoidCount) {
      index = static_cast<int>(number);
      return true;
    }
    error = FormatText("ellipsoid index %s is out of range (0 to %d)", text.c_str(),
                       kEllipsoidCount - 1);
    return false;
  }
  const std::wstring name = Utf8ToWide(text);
  for (int i = 0; i < kEllipsoidCount; ++i) {
    if (Ellipsoids()[i].name == name) {
      index = i;
      return true;
    }
  }
  error = "unknown ellipsoid '" + text + "'; give an index 0 to " +
          std::to_string(kEllipsoidCount - 1) + " or one of " + EllipsoidNames();
  return false;
}

int RunUtm(const Options& options, std::ostream& out, std::ostream& err) {
  const Arguments& values = options.positional;
  const std::optional<double> latitude = ParseNumber(values[0], "latitude", err);
  if (!latitude) return kExitUsageError;
  const std::optional<double> longitude = ParseNumber(values[1], "longitude", err);
  if (!longitude) return kExitUsageError;
  if (!InRange(*latitude, kLatitudeRange, values[0], err) ||
      !InRange(*longitude, kLongitudeRange, values[1], err))
    return kExitConversionError;

  const UTMResult r = LatLongToUTM(*latitude, *longitude, Ellipsoids()[options.ellipsoid]);
  if (!std::isfinite(r.northing) || !std::isfinite(r.easting)) {
    return Fail(err, kExitConversionError, "this point has no finite UTM coordinates");
  }
  WriteLine(out, FormatText("%1.3f\t%1.3f\t%d %c\t%c", r.northing, r.easting, r.zoneNumber,
                            r.zoneLetter, r.southern == 1 ? 'S' : 'N'));
  return kExitSuccess;
}

int RunLatLong(const Options& options, std::ostream& out, std::ostream& err) {
  const Arguments& values = options.positional;
  const std::optional<double> northing = ParseNumber(values[0], "northing", err);
  if (!northing) return kExitUsageError;
  const std::optional<double> easting = ParseNumber(values[1], "easting", err);
  if (!easting) return kExitUsageError;
  const std::optional<int> zone = ParseZone(values[2], err);
  if (!zone) return kExitUsageError;
  if (!InRange(*northing, kNorthingRange, values[0], err) ||
      !InRange(*easting, kEastingRange, values[1], err) ||
      !InRange(*zone, kZoneRange, values[2], err))
    return kExitConversionError;

  const LatLong p = UTMToLatLong(*northing, *easting, *zone, options.south ? 1 : 0,
                                 Ellipsoids()[options.ellipsoid]);
  if (!std::isfinite(p.latitude) || !std::isfinite(p.longitude)) {
    return Fail(err, kExitConversionError,
                "these UTM coordinates have no finite latitude and longitude");
  }
  WriteLine(out, FormatText("%.9f\t%.9f\t%s\t%s", p.latitude, p.longitude,
                            DmsText(p.latitude).c_str(), DmsText(p.longitude).c_str()));
  return kExitSuccess;
}

int RunEllipsoids(std::ostream& out) {
  for (int i = 0; i < kEllipsoidCount; ++i) {
    WriteLine(out, FormatText("%d\t%s", i, WideToUtf8(Ellipsoids()[i].name).c_str()));
  }
  return kExitSuccess;
}

}  // namespace vantrel::cli
