// The order in which a frame visits the grid: far rows first, each row from both sides in.
#pragma once

#include "world/world.hpp"

namespace quib {

// The grid rows of the frame, painted from rows.last down to rows.first: from ro down to
// Y + h, those that lie in the grid.
// Mended: the counters were floats, which stop counting past 2^24: once a level of extent
// -2^24 or below had been turned, X and Y lay so far off the grid that the walk never ended.
// Positions are whole numbers, so counting in ints over the part of each range inside the
// grid visits the same points.
inline GridSpan frameRows(const World& world) {
  return gridSpan(static_cast<float>(world.h) + world.Y, world.ro);
}

// Calls visit(i, j) for the points of grid row j in painting order: the columns from the left
// edge of the view cone up to X, then from its right edge down to X. Kept: the viewer's
// column is visited from both sides, so it is painted twice, the last time on top of both
// neighbours. The bounds are the game's float
// expressions, with strict tests against conerow.
template <class Visit>
void walkRow(const World& world, int j, Visit&& visit) {
  const float X = world.X;
  const float Y = world.Y;
  const auto row = static_cast<float>(j);
  const float left = row < world.conerow.left ? (X - row) + Y : 0.0f;
  const float right = row < world.conerow.right ? (X + row) - Y : world.ro;
  const GridSpan fromLeft = gridSpan(left, X);
  for (int column = fromLeft.first; column <= fromLeft.last; ++column) {
    visit(column, j);
  }
  const GridSpan fromRight = gridSpan(X, right);
  for (int column = fromRight.last; column >= fromRight.first; --column) {
    visit(column, j);
  }
}

}  // namespace quib
