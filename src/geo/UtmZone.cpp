#include "geo/UtmZone.h"

#include <cmath>
#include <string_view>

#include "geo/Truncate.h"

namespace vantrel {

double WrapUtmLongitude(double longitude) {
  const double shifted = longitude + 180;
  return shifted - std::trunc(shifted / 360) * 360 - 180;
}

double UtmCentralMeridian(double zoneNumber) { return zoneNumber * 6 - 183; }

double UtmLongitudeNear(double longitude, double zoneNumber) {
  const double fromMeridian = longitude - UtmCentralMeridian(zoneNumber);
  if (fromMeridian >= -180 && fromMeridian < 180) return longitude;
  if (!std::isfinite(fromMeridian)) return longitude;
  return longitude - fromMeridian + std::remainder(fromMeridian, 360);
}

std::int32_t UtmZoneNumber(double latitude, double anyLongitude) {
  const double longitude = WrapUtmLongitude(anyLongitude);
  std::int32_t zone = 1 + TruncateToInt((longitude + 180) / 6);
  if (latitude >= 56 && latitude < 64 && longitude >= 3 && longitude < 12) zone = 32;
  if (latitude >= 72 && latitude < 84) {
    if (longitude >= 0 && longitude < 9) {
      zone = 31;
    } else if (longitude >= 9 && longitude < 21) {
      zone = 33;
    } else if (longitude >= 21 && longitude < 33) {
      zone = 35;
    } else if (longitude >= 33 && longitude < 42) {
      zone = 37;
    }
  }
  return zone;
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

}  // namespace vantrel
