// The reference ellipsoids the coordinate converter offers, in the order of its
// list (index 0 is the default). Each is described by its two radii only;
// everything else is derived from them where it is needed.
#pragma once

#include <span>
#include <string_view>

namespace vantrel {

struct Ellipsoid {
  std::string_view name;
  double equatorialRadius;  // a, metres
  double polarRadius;       // b, metres
};

inline constexpr int kEllipsoidCount = 11;

// The fixed table, kEllipsoidCount entries.
std::span<const Ellipsoid> Ellipsoids();

}  // namespace vantrel
