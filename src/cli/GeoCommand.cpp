#include "cli/GeoCommand.h"

#include <cmath>
#include <iterator>
#include <limits>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "geo/Dms.h"
#include "geo/Ellipsoid.h"
#include "geo/Utm.h"
#include "platform/NumberText.h"
#include "platform/TextEncoding.h"

namespace vantrel::cli {

namespace {

std::string EllipsoidNames() {
  std::vector<std::wstring> names;
  for (const Ellipsoid& e : Ellipsoids()) names.emplace_back(e.name);
  return QuotedList(names);
}

// A number a command takes, with the span UTM covers: a coordinate outside
// gives numbers without meaning, so the command line refuses it (the
// coordinate dialog converts what it gets).
struct Coordinate {
  const char* what;
  double low;
  double high;
  bool whole = false;  // the zone
};
constexpr Coordinate kLatitudeLongitude[] = {{"latitude", -80, 84}, {"longitude", -180, 180}};
constexpr Coordinate kNorthingEastingZone[] = {
    {"northing", 0, 10000000}, {"easting", 0, 1000000}, {"zone", 1, 60, true}};

// A finite number, or a whole one, that uses the whole text; nothing with
// the reason otherwise.
std::optional<double> ParseCoordinate(const std::string& text, const Coordinate& coordinate,
                                      std::string& error) {
  const char* end = nullptr;
  const std::string quoted = std::string(coordinate.what) + " '" + text + "'";
  if (coordinate.whole) {
    const long value = ParseLong(text.c_str(), &end);
    if (end == text.c_str() || *end != '\0') {
      error = quoted + " is not a whole number";
    } else if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
      error = quoted + " is out of range";
    } else {
      return static_cast<double>(value);
    }
    return std::nullopt;
  }
  const double value = ParseDouble(text.c_str(), &end);
  if (end == text.c_str() || *end != '\0')
    error = quoted + " is not a number";
  else if (!std::isfinite(value))
    error = quoted + " is not a finite number";
  else
    return value;
  return std::nullopt;
}

// Reads the command's values into `read`; every value is read before any
// range is checked. 0, or the exit code once the error is written.
int ReadCoordinates(const Arguments& values, std::span<const Coordinate> coordinates, double* read,
                    std::ostream& err) {
  std::string error;
  for (std::size_t i = 0; i < coordinates.size(); ++i) {
    const std::optional<double> value = ParseCoordinate(values[i], coordinates[i], error);
    if (!value) return Fail(err, kExitUsageError, error);
    read[i] = *value;
  }
  for (std::size_t i = 0; i < coordinates.size(); ++i) {
    const Coordinate& c = coordinates[i];
    if (read[i] < c.low || read[i] > c.high)
      return Fail(
          err, kExitConversionError,
          FormatText("%s '%s' is outside %.0f to %.0f", c.what, values[i].c_str(), c.low, c.high));
  }
  return kExitSuccess;
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
  double v[std::size(kLatitudeLongitude)];
  if (const int code = ReadCoordinates(options.positional, kLatitudeLongitude, v, err)) return code;
  const UTMResult r = LatLongToUTM(v[0], v[1], Ellipsoids()[options.ellipsoid]);
  if (!std::isfinite(r.northing) || !std::isfinite(r.easting)) {
    return Fail(err, kExitConversionError, "this point has no finite UTM coordinates");
  }
  WriteLine(out, FormatText("%1.3f\t%1.3f\t%d %c\t%c", r.northing, r.easting, r.zoneNumber,
                            r.zoneLetter, r.southern == 1 ? 'S' : 'N'));
  return kExitSuccess;
}

int RunLatLong(const Options& options, std::ostream& out, std::ostream& err) {
  double v[std::size(kNorthingEastingZone)];
  if (const int code = ReadCoordinates(options.positional, kNorthingEastingZone, v, err))
    return code;
  const LatLong p = UTMToLatLong(v[0], v[1], static_cast<int>(v[2]), options.south ? 1 : 0,
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
