#include "geo/UtmZone.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string_view>

#include "geo/Truncate.h"

namespace vantrel {

double WrapUtmLongitude(double longitude) {
  const double shifted = longitude + 180;
  return shifted - std::trunc(shifted / 360) * 360 - 180;
}

double UtmCentralMeridian(double zoneNumber) { return zoneNumber * 6 - 183; }

double FromCentralMeridian(double longitude, double zoneNumber) {
  return std::remainder(longitude - UtmCentralMeridian(zoneNumber), 360);
}

double NormalLongitude(double longitude) {
  const double turned = std::remainder(longitude, 360);
  return turned >= 180 ? turned - 360 : turned;
}

double UtmLongitudeNear(double longitude, double zoneNumber) {
  const double fromMeridian = longitude - UtmCentralMeridian(zoneNumber);
  if (fromMeridian >= -180 && fromMeridian < 180) return longitude;
  if (!std::isfinite(fromMeridian)) return longitude;
  return longitude - fromMeridian + std::remainder(fromMeridian, 360);
}

namespace {

// Svalbard, latitudes 72 to 84: from longitude 0 four wide zones, each up
// to its east edge, in place of zones 31 to 37.
struct WideZone {
  double east;
  std::int32_t zone;
};
constexpr WideZone kSvalbardZones[] = {{9, 31}, {21, 33}, {33, 35}, {42, 37}};

}  // namespace

std::int32_t UtmZoneNumber(double latitude, double anyLongitude) {
  const double longitude = WrapUtmLongitude(anyLongitude);
  std::int32_t zone = 1 + TruncateToInt((longitude + 180) / 6);
  if (latitude >= 56 && latitude < 64 && longitude >= 3 && longitude < 12) zone = 32;
  if (latitude >= 72 && latitude < 84 && longitude >= 0) {
    for (const WideZone& wide : kSvalbardZones) {
      if (longitude < wide.east) return wide.zone;
    }
  }
  return zone;
}

bool UtmZoneHasBand(std::int32_t zone, char band) {
  const std::int32_t first = kSvalbardZones[0].zone;
  const std::int32_t last = kSvalbardZones[std::size(kSvalbardZones) - 1].zone;
  if (band != 'X' || zone < first || zone > last) return true;
  return std::ranges::any_of(kSvalbardZones, [&](const WideZone& w) { return w.zone == zone; });
}

char UtmBandLetter(double latitude) {
  if (!(latitude >= -80 && latitude <= 84)) return 'Z';
  return kUtmBandLetters[TruncateToInt((latitude + 80) * 0.125)];
}

std::optional<LatitudeBand> UtmBand(char letter) {
  const std::string_view letters(kUtmBandLetters, sizeof kUtmBandLetters - 2);  // one X
  const std::size_t index = letters.find(letter);
  if (index == std::string_view::npos) return std::nullopt;
  const double south = -80 + 8.0 * static_cast<double>(index);
  return LatitudeBand{south, letter == 'X' ? 84 : south + 8};
}

bool IsPolarBand(char letter) {
  return letter == 'A' || letter == 'B' || letter == 'Y' || letter == 'Z';
}

}  // namespace vantrel
