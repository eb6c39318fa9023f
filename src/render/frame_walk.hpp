// The order in which a frame visits the grid: far rows first, each row from both sides in.
#pragma once

#include "world/world.hpp"

namespace quib {

// Calls visit(i, j) for every point of the frame, in painting order. Rows run from ro down
// to Y + h; in a row the columns run from the left edge of the view cone up to X, then
// from its right edge down to X, so the viewer's column is painted last, on top of both
// neighbours. Bounds are taken once, as floats, with strict tests against conerow.
template <class Visit>
void walkFrame(const World& world, Visit&& visit) {
  const float X = world.X;
  const float Y = world.Y;
  const float lowest = static_cast<float>(world.h) + Y;
  for (float j = world.ro; j >= lowest; j -= 1.0f) {
    const float left = j < world.conerow.left ? (X - j) + Y : 0.0f;
    const float right = j < world.conerow.right ? (X + j) - Y : world.ro;
    const auto row = gridIndex(j);
    if (!row) {
      continue;
    }
    for (float i = left; i <= X; i += 1.0f) {
      if (const auto column = gridIndex(i)) {
        visit(*column, *row);
      }
    }
    for (float i = right; i >= X; i -= 1.0f) {
      if (const auto column = gridIndex(i)) {
        visit(*column, *row);
      }
    }
  }
}

}  // namespace quib
