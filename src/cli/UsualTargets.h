// The unit a query that names no target converts to ("100 mph" to km/h), as
// data: the common units of everyday conversions and the unit most people
// want them in. A unit without a row has no usual target.
#pragma once

#include <span>
#include <string_view>

#include "units/Category.h"

namespace vantrel::cli {

struct UsualTargetRow {
  std::string_view category;
  std::string_view from;  // unit names as the catalogue has them
  std::string_view to;
};

std::span<const UsualTargetRow> UsualTargets();

// The usual target of that unit of the category; null when it has none.
const CUnit* UsualTarget(const CCategory& category, const CUnit& from);

}  // namespace vantrel::cli
