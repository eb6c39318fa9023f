// Composing a frame on a view surface and presenting it by exchanging the two surfaces.
#pragma once

#include <array>

#include "canvas/view_surface.hpp"
#include "render/frame_shapes.hpp"
#include "render/painters.hpp"
#include "world/world.hpp"

namespace quib {

// The paints of grid row j, in painter's order, appended to `list`: the row's points as the
// walk visits them, each point's face (a layer-0 code with a picture) and then, on top of it,
// its side wall (a layer-1 side-wall code). The frame is the paints of its rows, from the
// farthest (frameRows(world).last) to the nearest.
void paintsOfRow(const World& world, int j, PaintList& list);

// The two view surfaces laid one over the other; only their visibility tells which is seen.
struct ViewPair {
  std::array<ViewSurface, 2> Picture1;
  bool bred = false;  // surface 0's visibility while the two are exchanged
};

// Composes the frame on Picture1(indx) from a clear surface: every paint as if painted in
// painter's order, the shapes kept in `shapes` from frame to frame.
void WindowN(const World& world, const ImageHolders& images, FrameShapes& shapes, ViewPair& views,
             int indx);

// Clears the hidden surface, composes the frame on it, then exchanges the visibilities.
void c(const World& world, const ImageHolders& images, FrameShapes& shapes, ViewPair& views);

}  // namespace quib
