// Where a click on the plan lands: the grid point nearest it, and which of its two panels.
#pragma once

#include <optional>

#include "control/plan_map.hpp"

namespace quib {

// A panel of the grid: column i, row j, layer k (0 across the view, 1 along it).
struct PlanSpot {
  int i = 0;
  int j = 0;
  int k = 0;
  bool operator==(const PlanSpot&) const = default;
};

// The panel a click at (x, y), in window pixels, picks on the plan: the point nearest it, and
// layer 0 where the click lies more to the point's left or right than above or below it (on
// the point's across-the-view segment), layer 1 otherwise. Nothing farther than a grid unit
// from the outermost points, or on a level without plan (extent below 1).
std::optional<PlanSpot> spotAt(const PlanGeometry& g, float x, float y);

}  // namespace quib
