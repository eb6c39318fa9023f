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

void drawPlanMap(const World& world, WindowSurface& surface) {
  const PlanGeometry geometry(world.N, world.ro, static_cast<float>(kViewLeft),
                              static_cast<float>(kViewTop));
  forEachPlanShape(world, geometry,
                   [&](LineStyle style, float x1, float y1, float x2, float y2, Rgb colour) {
                     surface.line(style, x1, y1, x2, y2, colour);
                   });
}

}  // namespace quib
