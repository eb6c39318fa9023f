// The order in which a frame visits the grid: far rows first, each row from both sides in.
#pragma once

#include "world/world.hpp"

namespace quib {

// Calls visit(i, j) for every point of the frame, in painting order. Rows run from ro down
// to Y + h; in a row the columns run from the left edge of the view cone up to X, then
// from its right edge down to X, so the viewer's column is painted last, on top of both
// neighbours. The bounds are the game's float expressions, with strict tests against
// conerow; of the points between them, those of the grid are visited.
// Mended: the counters were floats, which stop counting past 2^24: once a level of extent
// -2^24 or below had been turned, X and Y lay so far off the grid that the walk never ended.
// Positions are whole numbers, so counting in ints over the part of each range inside the
// grid visits the same points.
template <class Visit>
void walkFrame(const World& world, Visit&& visit) {
  const float X = world.X;
  const float Y = world.Y;
  const GridSpan rows = gridSpan(static_cast<float>(world.h) + Y, world.ro);
  for (int row = rows.last; row >= rows.first; --row) {
    const auto j = static_cast<float>(row);
    const float left = j < world.conerow.left ? (X - j) + Y : 0.0f;
    const float right = j < world.conerow.right ? (X + j) - Y : world.ro;
    const GridSpan fromLeft = gridSpan(left, X);
    for (int column = fromLeft.first; column <= fromLeft.last; ++column) {
      visit(column, row);
    }
    const GridSpan fromRight = gridSpan(X, right);
    for (int column = fromRight.last; column >= fromRight.first; --column) {
      visit(column, row);
    }
  }
}

}  // namespace quib
