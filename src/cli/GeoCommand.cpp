#include "cli/GeoCommand.h"

#include <cmath>
#include <iterator>
#include <limits>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "geo/CheckedUtm.h"
#include "geo/CoordinateText.h"
#include "geo/Dms.h"
#include "geo/Ellipsoid.h"
#include "geo/GeoResult.h"
#include "geo/Mgrs.h"
#include "geo/Utm.h"
#include "geo/UtmExact.h"
#include "platform/Digits.h"
#include "platform/NumberText.h"
#include "platform/TextEncoding.h"

namespace vantrel::cli {

namespace {

// The classic series unless --exact or --method says otherwise, so that the
// command line gives the coordinate dialog's numbers.
UtmMethod MethodOf(const Options& options) { return options.method.value_or(UtmMethod::kClassic); }

std::string EllipsoidNames() {
  std::vector<std::string> names;
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
  const std::string quoted = std::string(coordinate.what) + " " + Quoted(text);
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

// 0, or the exit code once the error is written; `spelled` is the value as
// the message shows it.
int CheckRange(const Coordinate& c, double value, const std::string& spelled, std::ostream& err) {
  if (value >= c.low && value <= c.high) return kExitSuccess;
  return Fail(err, kExitConversionError,
              FormatText("%s %s is outside %.0f to %.0f", c.what, spelled.c_str(), c.low, c.high));
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
    const std::string spelled = Quoted(values[i]);
    if (const int code = CheckRange(coordinates[i], read[i], spelled, err)) return code;
  }
  return kExitSuccess;
}

// The geodesy's refusal as the command's: a text it cannot read is a usage
// error, one it read but must refuse a conversion error.
template <typename T>
int FailWith(std::ostream& err, const GeoResult<T>& result) {
  if (result.error == GeoError::kMalformed) return Fail(err, kExitUsageError, result.message);
  // Only the classic series is ever imprecise.
  const char* hint = result.error == GeoError::kImprecise ? "; --exact converts it" : "";
  return Fail(err, kExitConversionError, result.message + hint);
}

// The shortest decimal that reads back as the value: 84.000000001, not 84.
// The point of --utm and --mgrs: LAT LON as two numbers, or one position as
// people write it. 0, or the exit code once the error is written.
int ReadPoint(const Arguments& values, LatLong& point, std::ostream& err) {
  if (values.size() == 2) {
    double v[std::size(kLatitudeLongitude)];
    if (const int code = ReadCoordinates(values, kLatitudeLongitude, v, err)) return code;
    point = {v[0], v[1]};
    return kExitSuccess;
  }
  const GeoResult<LatLong> read = ParseLatLongText(values.front());
  if (!read) return FailWith(err, read);
  // The reader takes latitudes up to the poles; UTM stops short of them.
  const double v[] = {read.value.latitude, read.value.longitude};
  for (std::size_t i = 0; i < std::size(v); ++i)
    if (const int code = CheckRange(kLatitudeLongitude[i], v[i], ShortestDecimal(v[i]), err))
      return code;
  point = read.value;
  return kExitSuccess;
}

// One --latlong argument is an MGRS reference when a letter follows the
// zone's band letter ("16SFC9403634419", "16S FC 94036 34419"), a map position
// when a number does ("16S 694037 3734420").
bool IsMgrsText(std::string_view text) {
  std::size_t pos = 0;
  const auto skip = [&](auto accepts) {
    while (pos < text.size() && accepts(text[pos])) ++pos;
  };
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  const auto letter = [](char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; };
  skip(blank);
  skip(IsDigit);
  skip(blank);
  if (pos == text.size() || !letter(text[pos])) return false;
  ++pos;
  skip(blank);
  return pos < text.size() && letter(text[pos]);
}

// The point of --latlong's one written argument. 0, or the exit code once
// the error is written.
int ReadPosition(const Options& options, LatLong& point, std::ostream& err) {
  const std::string& text = options.positional.front();
  if (options.south) {
    return Fail(err, kExitUsageError,
                "--south goes with NORTHING EASTING ZONE; in a written position the band "
                "letter gives the hemisphere");
  }
  if (IsMgrsText(text)) {
    if (options.ellipsoid != 0)
      return Fail(err, kExitUsageError, "an MGRS reference is on WGS84; leave out --ellipsoid");
    if (options.method == UtmMethod::kClassic) {
      return Fail(err, kExitUsageError,
                  "an MGRS reference is read with the exact projection; leave out --method "
                  "classic");
    }
    const GeoResult<MgrsSquare> square = ReadMgrs(text);
    if (!square) return FailWith(err, square);
    point = square.value.centre;
    return kExitSuccess;
  }
  const GeoResult<UtmText> utm = ParseUtmText(text);
  if (!utm) return FailWith(err, utm);
  const GeoResult<LatLong> read =
      UtmTextToLatLong(utm.value, Ellipsoids()[options.ellipsoid], MethodOf(options));
  if (!read) return FailWith(err, read);
  point = read.value;
  return kExitSuccess;
}

std::string DmsText(double value) {
  const DMS dms = DecimalToDMS(value);
  return FormatText("%s %d %d", DegreesText(dms).c_str(), dms.minutes, dms.seconds);
}

void WriteLine(std::ostream& out, const std::string& line) { out << line << '\n'; }

}  // namespace

bool ParseEllipsoid(const std::string& text, int& index, std::string& error) {
  if (const std::optional<int> number = OptionNumber(text)) {
    if (*number < kEllipsoidCount) {
      index = *number;
      return true;
    }
    error = FormatText("ellipsoid index %s is out of range (0 to %d)", text.c_str(),
                       kEllipsoidCount - 1);
    return false;
  }
  for (int i = 0; i < kEllipsoidCount; ++i) {
    if (Ellipsoids()[i].name == text) {
      index = i;
      return true;
    }
  }
  error = "unknown ellipsoid " + Quoted(text) + "; give an index 0 to " +
          std::to_string(kEllipsoidCount - 1) + " or one of " + EllipsoidNames();
  return false;
}

int RunUtm(const Options& options, std::ostream& out, std::ostream& err) {
  LatLong p;
  if (const int code = ReadPoint(options.positional, p, err)) return code;
  const GeoResult<UTMResult> r = CheckedLatLongToUTM(
      p.latitude, p.longitude, options.zone, Ellipsoids()[options.ellipsoid], MethodOf(options));
  if (!r) return FailWith(err, r);
  WriteLine(out,
            FormatText("%1.3f\t%1.3f\t%d %c\t%c", r.value.northing, r.value.easting,
                       r.value.zoneNumber, r.value.zoneLetter, r.value.southern == 1 ? 'S' : 'N'));
  return kExitSuccess;
}

int RunLatLong(const Options& options, std::ostream& out, std::ostream& err) {
  LatLong p;
  if (options.positional.size() == std::size(kNorthingEastingZone)) {
    double v[std::size(kNorthingEastingZone)];
    if (const int code = ReadCoordinates(options.positional, kNorthingEastingZone, v, err))
      return code;
    const UtmText position{static_cast<std::int32_t>(v[2]), 0, options.south ? 1 : 0, v[1], v[0]};
    const GeoResult<LatLong> read =
        UtmTextToLatLong(position, Ellipsoids()[options.ellipsoid], MethodOf(options));
    if (!read) return FailWith(err, read);
    p = read.value;
  } else if (const int code = ReadPosition(options, p, err)) {
    return code;
  }
  WriteLine(out, FormatText("%.9f\t%.9f\t%s\t%s", p.latitude, p.longitude,
                            DmsText(p.latitude).c_str(), DmsText(p.longitude).c_str()));
  return kExitSuccess;
}

int RunMgrs(const Options& options, std::ostream& out, std::ostream& err) {
  LatLong p;
  if (const int code = ReadPoint(options.positional, p, err)) return code;
  const GeoResult<std::string> reference =
      LatLongToMgrs(p.latitude, p.longitude, options.precision.value_or(kMgrsDefaultDigits));
  if (!reference) return FailWith(err, reference);
  WriteLine(out, reference.value);
  return kExitSuccess;
}

int RunEllipsoids(std::ostream& out) {
  for (int i = 0; i < kEllipsoidCount; ++i) {
    WriteLine(out, FormatText("%d\t%s", i, std::string(Ellipsoids()[i].name).c_str()));
  }
  return kExitSuccess;
}

}  // namespace vantrel::cli
