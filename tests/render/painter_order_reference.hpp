// The frame as the game describes it, kept as the reference the fast frame must equal: the
// hidden surface cleared, every visited point painted over what lies there in the walk's
// order, then the two surfaces exchanged.
#pragma once

#include "render/frame.hpp"
#include "render/frame_walk.hpp"

namespace quib {

inline void referenceFrame(const World& world, const ImageHolders& images, ViewPair& views) {
  const int hidden = views.Picture1[0].visible() ? 1 : 0;
  ViewSurface& surface = views.Picture1[static_cast<std::size_t>(hidden)];
  surface.clear();
  walkFrame(world, [&](int i, int j) { paintPoint(world, images, surface, i, j); });
  views.bred = views.Picture1[0].visible();
  views.Picture1[0].setVisible(views.Picture1[1].visible());
  views.Picture1[1].setVisible(views.bred);
}

}  // namespace quib
