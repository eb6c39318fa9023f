// Composing a frame on a view surface and presenting it by exchanging the two surfaces.
#pragma once

#include <array>

#include "canvas/view_surface.hpp"
#include "render/painters.hpp"
#include "world/world.hpp"

namespace quib {

// The two view surfaces laid one over the other; only their visibility tells which is seen.
struct ViewPair {
  std::array<ViewSurface, 2> Picture1;
  bool bred = false;  // surface 0's visibility while the two are exchanged
};

// Paints every visited point's face and side wall, back to front, on Picture1(indx).
void WindowN(const World& world, const ImageHolders& images, ViewPair& views, int indx);

// Clears the hidden surface, composes the frame on it, then exchanges the visibilities.
void c(const World& world, const ImageHolders& images, ViewPair& views);

}  // namespace quib
