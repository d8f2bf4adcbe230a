#include "geo/Ellipsoid.h"

#include <array>

namespace vantrel {

namespace {

// Names are shown as they are, "Clake 1880" included: users pick them by name.
constexpr std::array<Ellipsoid, kEllipsoidCount> kEllipsoids{{
    {"NAD83/WGS84", 6378137.0, 6356752.3142},
    {"GRS 80", 6378137.0, 6356752.3141},
    {"WGS72", 6378135.0, 6356750.5},
    {"Australian 1965", 6378160.0, 6356774.7},
    {"Krasovsky 1940", 6378245.0, 6356863.0},
    {"International (1924) - Hayford (1909)", 6378388.0, 6356911.9},
    {"Clake 1880", 6378249.1, 6356514.9},
    {"Clarke 1866", 6378206.4, 6356583.8},
    {"Airy 1830", 6377563.4, 6356256.9},
    {"Bessel 1841", 6377397.2, 6356079.0},
    {"Everest 1830", 6377276.3, 6356075.4},
}};

}  // namespace

std::span<const Ellipsoid> Ellipsoids() { return kEllipsoids; }

}  // namespace vantrel
