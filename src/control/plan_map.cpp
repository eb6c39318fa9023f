// The plan on the game window, in window pixels beside the view.
#include "control/plan_map.hpp"

#include <algorithm>
#include <cmath>

namespace quib {

Size planClientSize(float N, float ro) {
  Size size{WindowSurface::kWidth, WindowSurface::kHeight};
  if (!(ro >= 1.0f)) {
    return size;
  }
  // Four pixels of room past the farthest corner, for the rounding of line ends.
  constexpr float kRoom = 4.0f;
  const PlanGeometry g(N, ro, static_cast<float>(kViewLeft), static_cast<float>(kViewTop));
  size.width = std::max(size.width, static_cast<int>(std::ceil(g.px(ro + 1.0f) + kRoom)));
  size.height = std::max(size.height, static_cast<int>(std::ceil(g.py(-1.0f) + kRoom)));
  return size;
}

bool PlanMap::layerShows(const World& world, const WindowSurface& surface) const {
  return drawn_ && N_ == world.N && ro_ == world.ro && *drawnFrom_ == world.labmap &&
         layer_.size() == surface.size();
}

void PlanMap::draw(const World& world, WindowSurface& surface) {
  // Mended: an extent below 1 gives the plan no scale, so there is nothing to draw.
  if (!(world.ro >= 1.0f)) {
    return;
  }
  const PlanGeometry geometry(world.N, world.ro, static_cast<float>(kViewLeft),
                              static_cast<float>(kViewTop));
  const auto line = [](WindowSurface& on) {
    return [&on](LineStyle style, float x1, float y1, float x2, float y2, Rgb colour) {
      on.line(style, x1, y1, x2, y2, colour);
    };
  };
  if (!layerShows(world, surface)) {
    layer_.resize(surface.size().width, surface.size().height);
    forEachPointShape(world, geometry, line(layer_));
    *drawnFrom_ = world.labmap;
    N_ = world.N;
    ro_ = world.ro;
    drawn_ = true;
  }
  // The layer stands in for the points' shapes wherever nothing else lies under them.
  if (!surface.paste(layer_)) {
    forEachPointShape(world, geometry, line(surface));
  }
  drawViewerMarker(world, geometry, line(surface));
}

}  // namespace quib
