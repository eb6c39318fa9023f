// The plan on the game window, in window pixels beside the view.
#include "control/plan_map.hpp"

namespace quib {

void drawPlanMap(const World& world, WindowSurface& surface) {
  const PlanGeometry geometry(world.N, world.ro, static_cast<float>(kViewLeft),
                              static_cast<float>(kViewTop));
  forEachPlanShape(world, geometry,
                   [&](LineStyle style, float x1, float y1, float x2, float y2, Rgb colour) {
                     surface.line(style, x1, y1, x2, y2, colour);
                   });
}

}  // namespace quib
