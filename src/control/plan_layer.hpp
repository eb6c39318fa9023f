// The points' shapes of the plan drawn all at once, from pixels worked out a column and a row
// at a time rather than a corner at a time.
#pragma once

#include "canvas/window_surface.hpp"
#include "control/plan_map.hpp"
#include "world/world.hpp"

namespace quib {

// Draws the shapes of every point on `layer`, in drawing order: the very pixels drawing each
// shape from its corners gives. Every corner is the plan coordinate of a whole grid index, or
// that beside a marker's half side, so each corner's pixel is shared by the shapes of a whole
// column or row, and found once for them all.
void drawPointShapes(const World& world, const PlanGeometry& g, WindowSurface& layer);

}  // namespace quib
