// The plan's coordinates turned back into the grid's.
#include "edit/plan_spot.hpp"

#include <algorithm>
#include <cmath>

#include "world/world.hpp"

namespace quib {

std::optional<PlanSpot> spotAt(const PlanGeometry& g, float x, float y) {
  if (!(g.ro >= 1.0f) || !(g.s > 0.0f)) {
    return std::nullopt;
  }
  // The inverses of px and py: the column and the row the click lies at, as real numbers.
  const float column = (x - g.px(0.0f)) / g.s;
  const float row = g.ro - (y - g.py(g.ro)) / g.s;
  const float last = std::min(std::floor(g.ro), static_cast<float>(kGridMax));
  if (!(column >= -1.0f && column <= last + 1.0f && row >= -1.0f && row <= last + 1.0f)) {
    return std::nullopt;
  }
  PlanSpot spot;
  spot.i = static_cast<int>(std::clamp(std::round(column), 0.0f, last));
  spot.j = static_cast<int>(std::clamp(std::round(row), 0.0f, last));
  const float across = std::abs(column - static_cast<float>(spot.i));
  const float along = std::abs(row - static_cast<float>(spot.j));
  spot.k = across >= along ? 0 : 1;
  return spot;
}

}  // namespace quib
