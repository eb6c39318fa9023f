// Where a grid point's panels appear on a view surface: the perspective of the view.
#pragma once

#include <array>
#include <optional>

#include "canvas/raster.hpp"
#include "world/world.hpp"

namespace quib {

// The square a layer-0 panel is stretched into: left, top, and its side.
struct FaceRect {
  float x = 0;
  float y = 0;
  float w = 0;
  bool operator==(const FaceRect&) const = default;
};

// The panel of point (i, j) seen face on; nothing for a panel in the viewer's own row,
// which the projection cannot place.
std::optional<FaceRect> faceRect(const World& world, float i, float j);

// The quadrilateral of the side wall at point (i, j), in the order near top, near bottom,
// far bottom, far top; four points at the origin when its centre lies outside the view.
// Nothing for a piece the projection cannot place: in the viewer's row, the row behind,
// or straight ahead one row in front.
std::optional<std::array<Point, 4>> sideWallPoints(const World& world, float i, float j);

}  // namespace quib
