// The plan as the game defines it, kept as the reference the drawn plan must equal.
#pragma once

#include "control/plan_map.hpp"

namespace quib {

// Calls draw(style, x1, y1, x2, y2, colour) for every shape of the plan, in drawing order:
// the points' shapes, then the viewer's marker on top. Mended: an extent below 1 gives the
// plan no scale, so there is nothing to draw.
template <class Draw>
void forEachPlanShape(const World& world, const PlanGeometry& g, Draw&& draw) {
  if (!(world.ro >= 1.0f)) {
    return;
  }
  forEachPointShape(world, [&](const PointShape& shape) { drawPlanShape(shape, g, draw); });
  drawViewerMarker(world, g, draw);
}

}  // namespace quib
