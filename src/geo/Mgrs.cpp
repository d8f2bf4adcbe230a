#include "geo/Mgrs.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "geo/UtmExact.h"
#include "geo/UtmZone.h"
#include "platform/Digits.h"
#include "platform/NumberText.h"
#include "platform/TextEncoding.h"

namespace vantrel {

namespace {

constexpr double kSquare = 100000;     // the lettered squares, metres
constexpr double kRowCycle = 2000000;  // the row letters repeat every 20 squares

// Columns: zones 1, 4, 7, ... use A-H, zones 2, 5, 8, ... J-R, zones 3, 6,
// 9, ... S-Z; the square from easting 100 km up is the first letter.
constexpr std::string_view kColumnLetters = "ABCDEFGHJKLMNPQRSTUVWXYZ";
// Rows: A-V from the equator north, shifted five letters in even zones.
constexpr std::string_view kRowLetters = "ABCDEFGHJKLMNPQRSTUV";

std::string_view ColumnSet(std::int32_t zone) {
  return kColumnLetters.substr(static_cast<std::size_t>((zone - 1) % 3) * 8, 8);
}

int RowShift(std::int32_t zone) { return zone % 2 == 0 ? 5 : 0; }

template <typename T>
GeoResult<T> Refused(std::string message) {
  return GeoFailure<T>(GeoError::kOutOfRange, std::move(message));
}

template <typename T>
GeoResult<T> Unreadable(std::string message) {
  return GeoFailure<T>(GeoError::kMalformed, std::move(message));
}

}  // namespace

const Ellipsoid& MgrsEllipsoid() {
  static constexpr Ellipsoid kWgs84{"WGS84", 6378137.0, 6378137.0 * (1 - 1 / 298.257223563)};
  return kWgs84;
}

GeoResult<std::string> LatLongToMgrs(double latitude, double longitude, int digits) {
  if (digits < 0 || digits > 5) {
    return Refused<std::string>("MGRS precision must be 0 to 5 digits per axis");
  }
  if (!(latitude >= -80 && latitude < 84)) {
    return Refused<std::string>(
        "MGRS here covers latitudes from -80 up to 84; the polar regions (UPS) are not supported");
  }
  if (!(std::fabs(longitude) <= 180)) {
    return Refused<std::string>("longitude must be between -180 and 180");
  }
  const UTMResult utm = LatLongToUTMExact(latitude, longitude, MgrsEllipsoid());
  const double column = std::floor(utm.easting / kSquare);
  const double row = std::floor(utm.northing / kSquare);
  if (column < 1 || column > 8) {
    return Refused<std::string>("this point lies outside the lettered squares of its zone");
  }
  const int rowIndex = (static_cast<int>(std::fmod(row, 20)) + RowShift(utm.zoneNumber)) % 20;

  const double size = std::pow(10.0, 5 - digits);
  const auto within = [&](double value, double square) {
    return static_cast<long>(std::floor((value - square * kSquare) / size));
  };
  std::string reference =
      FormatText("%02d%c%c%c", utm.zoneNumber, utm.zoneLetter,
                 ColumnSet(utm.zoneNumber)[static_cast<std::size_t>(column) - 1],
                 kRowLetters[static_cast<std::size_t>(rowIndex)]);
  if (digits > 0) {
    reference += FormatText("%0*ld%0*ld", digits, within(utm.easting, column), digits,
                            within(utm.northing, row));
  }
  return reference;
}

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// The run of characters from `pos` that `accept` takes, blanks before it skipped.
std::string_view Run(std::string_view text, std::size_t& pos, bool (*accept)(char),
                     std::size_t most = std::string_view::npos) {
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  const std::size_t start = pos;
  while (pos < text.size() && pos - start < most && accept(text[pos])) ++pos;
  return text.substr(start, pos - start);
}

// The latitudes a square of the grid reaches: its corners bound them, since
// a square never straddles the central meridian.
bool ReachesBand(const MgrsSquare& s, const LatitudeBand& band) {
  double south = 90, north = -90;
  for (double e : {s.easting, s.easting + s.size}) {
    for (double n : {s.northing, s.northing + s.size}) {
      const double latitude = UTMToLatLongExact(n, e, s.zone, s.southern, MgrsEllipsoid()).latitude;
      south = std::min(south, latitude);
      north = std::max(north, latitude);
    }
  }
  return north >= band.south && south <= band.north;
}

// The point a reference stands for: the middle of its square.
LatLong Centre(const MgrsSquare& s) {
  return UTMToLatLongExact(s.northing + s.size / 2, s.easting + s.size / 2, s.zone, s.southern,
                           MgrsEllipsoid());
}

}  // namespace

GeoResult<MgrsSquare> ReadMgrs(std::string_view text) {
  constexpr const char* kForm = ", as in 16SFC9403634419";
  std::size_t pos = 0;
  const std::string_view zone = Run(text, pos, IsDigit, 2);
  const std::string_view band = Run(text, pos, IsLetter, 1);
  const std::string_view square = Run(text, pos, IsLetter, 2);
  const std::string_view first = Run(text, pos, IsDigit);
  const std::string_view second = Run(text, pos, IsDigit);
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  if (zone.empty()) {
    return Unreadable<MgrsSquare>(std::string("an MGRS reference starts with its zone") + kForm);
  }
  if (band.empty()) {
    return Unreadable<MgrsSquare>(std::string("the zone needs its latitude band letter") + kForm);
  }
  if (square.size() != 2) {
    return Unreadable<MgrsSquare>(
        std::string("give the two letters of the 100 km square after the band") + kForm);
  }
  if (pos < text.size()) {
    return Unreadable<MgrsSquare>("cannot read '" + QuotableUtf8(text.substr(pos)) +
                                  "' in the MGRS reference");
  }
  const std::size_t digits = second.empty() ? first.size() / 2 : first.size();
  if (first.size() + second.size() != 2 * digits || digits > 5) {
    return Unreadable<MgrsSquare>(
        "the easting and northing need the same number of digits, 0 to 5 each");
  }

  MgrsSquare s;
  s.zone = static_cast<std::int32_t>(ParseLong(std::string(zone).c_str()));
  s.band = Upper(band[0]);
  const char columnLetter = Upper(square[0]);
  const char rowLetter = Upper(square[1]);
  if (s.zone < 1 || s.zone > 60) return Refused<MgrsSquare>("zone must be between 1 and 60");
  if (IsPolarBand(s.band)) {
    return Refused<MgrsSquare>(
        "polar MGRS references (bands A, B, Y and Z, in UPS) are not supported");
  }
  const std::optional<LatitudeBand> latitudes = UtmBand(s.band);
  if (!latitudes) {
    return Unreadable<MgrsSquare>(std::string("'") + s.band +
                                  "' is no latitude band; the bands run from C to X without I "
                                  "and O");
  }
  if (!UtmZoneHasBand(s.zone, s.band)) {
    return Refused<MgrsSquare>(
        FormatText("zone %d has no band X; Svalbard lies in zones 31, 33, 35 and 37", s.zone));
  }
  const std::string_view columns = ColumnSet(s.zone);
  const std::size_t column = columns.find(columnLetter);
  if (column == std::string_view::npos) {
    return Refused<MgrsSquare>(FormatText("column letter %c is not used in zone %d (%c to %c are)",
                                          columnLetter, s.zone, columns.front(), columns.back()));
  }
  const std::size_t row = kRowLetters.find(rowLetter);
  if (row == std::string_view::npos) {
    return Refused<MgrsSquare>(FormatText(
        "row letter %c is not used; the rows run from A to V without I and O", rowLetter));
  }

  s.southern = latitudes->southern();
  s.digits = static_cast<int>(digits);
  s.size = std::pow(10.0, 5 - s.digits);
  const std::string_view northingDigits = second.empty() ? first.substr(digits) : second;
  const auto value = [](std::string_view d) {
    return d.empty() ? 0.0 : static_cast<double>(ParseLong(std::string(d).c_str()));
  };
  s.easting = static_cast<double>(column + 1) * kSquare + value(first.substr(0, digits)) * s.size;
  const double northingInCycle =
      static_cast<double>((static_cast<int>(row) - RowShift(s.zone) + 20) % 20) * kSquare +
      value(northingDigits) * s.size;

  // The band tells which turn of the 2000 km row cycle the square lies in.
  int found = 0;
  MgrsSquare candidate = s;
  double nearest = 0;  // the latitude of the point nearest the band, in any turn
  double gap = INFINITY;
  for (double northing = northingInCycle; northing < kUtmFalseNorthingSouth;
       northing += kRowCycle) {
    candidate.northing = northing;
    if (ReachesBand(candidate, *latitudes)) {
      s.northing = northing;
      ++found;
    }
    const double latitude = Centre(candidate).latitude;
    const double outside = std::max(latitudes->south - latitude, latitude - latitudes->north);
    if (outside < gap) {
      gap = outside;
      nearest = latitude;
    }
  }
  if (found != 1) {
    return Refused<MgrsSquare>(
        FormatText("the point of this reference lies at latitude %.4f, outside band %c (%g to %g)",
                   nearest, s.band, latitudes->south, latitudes->north));
  }
  s.centre = Centre(s);
  s.centre.longitude = NormalLongitude(s.centre.longitude);
  return s;
}

}  // namespace vantrel
