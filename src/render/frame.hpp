// Composing a frame on a view surface and presenting it by exchanging the two surfaces.
#pragma once

#include <array>
#include <utility>
#include <vector>

#include "canvas/view_surface.hpp"
#include "render/frame_shapes.hpp"
#include "render/painters.hpp"
#include "world/world.hpp"

namespace quib {

// The two view surfaces laid one over the other; only their visibility tells which is seen.
struct ViewPair {
  std::array<ViewSurface, 2> Picture1;
  bool bred = false;                        // surface 0's visibility while the two are exchanged
  std::vector<std::pair<int, int>> visits;  // a frame's points in painter's order, kept for memory
  FrameShapes shapes;                       // what the frames' paints cover
};

// Paints the point (i, j) as the frame's walk visits it: its face, then its side wall on top.
void paintPoint(const World& world, const ImageHolders& images, PaintTarget& target, int i, int j);

// Composes the frame on Picture1(indx) from a clear surface: every visited point's face and side
// wall, seen as if painted back to front.
void WindowN(const World& world, const ImageHolders& images, ViewPair& views, int indx);

// Clears the hidden surface, composes the frame on it, then exchanges the visibilities.
void c(const World& world, const ImageHolders& images, ViewPair& views);

}  // namespace quib
