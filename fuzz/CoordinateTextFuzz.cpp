// The coordinate readers on any text. The first byte chooses the reader
// (latitude/longitude, UTM as on maps, MGRS); the rest is the text. Every
// answer must be a one-line reason, or a value in range that the grid
// conversions carry consistently: a position's point lies in its band, in
// -180..180 and where the grid puts it, by either method.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "geo/CheckedUtm.h"
#include "geo/CoordinateText.h"
#include "geo/Mgrs.h"
#include "geo/UtmExact.h"

namespace {

using namespace vantrel;

template <typename T>
bool Refused(const GeoResult<T>& r) {
  if (r.ok()) return false;
  if (r.message.empty() || r.message.find('\n') != std::string::npos) std::abort();
  return true;
}

// How far from the position's grid figures the exact projection puts a point.
double Off(const LatLong& p, const UtmText& u) {
  const UTMResult grid = LatLongToUTMExactInZone(p.latitude, p.longitude, u.zone, Ellipsoids()[0]);
  return std::hypot(grid.easting - u.easting, grid.northing - u.northing);
}

bool Within(double value, double low, double size) {
  return value >= low - 1e-6 && value < low + size + 1e-6;
}

void ReadLatLong(std::string_view text) {
  const GeoResult<LatLong> r = ParseLatLongText(text);
  if (Refused(r)) return;
  const auto [latitude, longitude] = r.value;
  if (!(std::fabs(latitude) <= 90 && std::fabs(longitude) <= 180)) std::abort();
  // Its UTM, by either method, is refused or read back to it.
  for (UtmMethod method : {UtmMethod::kClassic, UtmMethod::kExact}) {
    const GeoResult<UTMResult> utm =
        CheckedLatLongToUTM(latitude, longitude, std::nullopt, Ellipsoids()[0], method);
    if (Refused(utm)) {
      if (utm.error == GeoError::kMalformed) std::abort();
      continue;
    }
    const UtmText position{utm.value.zoneNumber, utm.value.zoneLetter, utm.value.southern,
                           utm.value.easting, utm.value.northing};
    const GeoResult<LatLong> back = UtmTextToLatLong(position, Ellipsoids()[0], method);
    if (!back || Off(back.value, position) > 2 * kClassicTolerance) std::abort();
  }
  // The point's MGRS square, read back, holds it.
  const GeoResult<std::string> mgrs = LatLongToMgrs(latitude, longitude);
  if (Refused(mgrs)) {
    if (latitude >= -80 && latitude < 84) std::abort();
    return;
  }
  const GeoResult<MgrsSquare> square = ReadMgrs(mgrs.value);
  if (!square) std::abort();
  const MgrsSquare& s = square.value;
  const UTMResult p = LatLongToUTMExactInZone(latitude, longitude, s.zone, MgrsEllipsoid());
  if (!Within(p.easting, s.easting, s.size) || !Within(p.northing, s.northing, s.size)) {
    std::abort();
  }
}

void ReadUtm(std::string_view text) {
  const GeoResult<UtmText> r = ParseUtmText(text);
  if (Refused(r)) return;
  const UtmText& u = r.value;
  if (u.zone < 1 || u.zone > 60 || !UtmBand(u.band) || !(u.easting >= 0 && u.easting <= 1e6) ||
      !(u.northing >= 0 && u.northing <= 1e7)) {
    std::abort();
  }
  for (UtmMethod method : {UtmMethod::kClassic, UtmMethod::kExact}) {
    const GeoResult<LatLong> point = UtmTextToLatLong(u, Ellipsoids()[0], method);
    if (Refused(point)) continue;
    const auto [latitude, longitude] = point.value;
    const LatitudeBand band = *UtmBand(u.band);
    const double allowed = method == UtmMethod::kExact ? 1e-3 : kClassicTolerance + 1e-3;
    if (!(latitude >= band.south - 0.001 && latitude <= band.north + 0.001) ||
        !(longitude >= -180 && longitude < 180) || !(Off(point.value, u) <= allowed))
      std::abort();
  }
}

void ReadMgrsText(std::string_view text) {
  const GeoResult<MgrsSquare> r = ReadMgrs(text);
  if (Refused(r)) return;
  const MgrsSquare& s = r.value;
  if (s.zone < 1 || s.zone > 60 || s.digits < 0 || s.digits > 5) std::abort();
  // The centre it gives lies at the middle of the square.
  const UTMResult centre =
      LatLongToUTMExactInZone(s.centre.latitude, s.centre.longitude, s.zone, MgrsEllipsoid());
  if (!(std::fabs(centre.easting - s.easting - s.size / 2) < 1e-3 &&
        std::fabs(centre.northing - s.northing - s.size / 2) < 1e-3) ||
      !(s.centre.longitude >= -180 && s.centre.longitude < 180)) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  switch (data[0] % 3) {
    case 0:
      ReadLatLong(text);
      break;
    case 1:
      ReadUtm(text);
      break;
    default:
      ReadMgrsText(text);
      break;
  }
  return 0;
}
