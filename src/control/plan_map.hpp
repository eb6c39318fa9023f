// The top-down plan of the whole level beside the view, with the viewer's marker.
#pragma once

#include "platform/window_surface.hpp"
#include "world/world.hpp"

namespace quib {

// Plan coordinates of grid points: s = N / (2 ro), px(c) = x0 + N + 5 + s (c + 1) and
// py(r) = y0 + N / 2 + s (ro - r), forward (larger rows) pointing up.
// Mended: the map was laid out in the window's twips, under the view; it is drawn in window
// pixels beside the view instead, one grid unit further right than the formula's column 0,
// since the panels of column 0 reach one unit left of it.
struct PlanGeometry {
  float N = 0;
  float ro = 0;
  float originX = 0;  // (x0, y0): where the view surfaces' top-left corner lies
  float originY = 0;
  float s = 0;

  PlanGeometry(float n, float extent, float x0, float y0)
      : N(n), ro(extent), originX(x0), originY(y0), s(n / (2.0f * extent)) {}
  float px(float c) const { return ((originX + N) + 5.0f) + s * (c + 1.0f); }
  float py(float r) const { return (originY + N / 2.0f) + s * (ro - r); }
};

// The game window's client area: 840 x 553, or larger where the level's plan, which
// reaches from column and row -1 to ro + 1, needs more; 840 x 553 for a level without plan.
Size planClientSize(float N, float ro);

// Draws the plan on the game window's own surface.
void drawPlanMap(const World& world, WindowSurface& surface);

// Calls draw(style, x1, y1, x2, y2, colour) for every shape of the plan, in drawing order:
// columns outermost, then rows, then layers, the viewer's marker last and on top.
template <class Draw>
void forEachPlanShape(const World& world, const PlanGeometry& g, Draw&& draw) {
  // Mended: an extent below 1 gives the plan no scale, so there is nothing to draw.
  if (!(world.ro >= 1.0f)) {
    return;
  }
  const float s = g.s;
  const auto segment = [&](float i, float j, float k, Rgb colour) {
    draw(LineStyle::kLine, g.px((i - 1.0f) + k), g.py(j - k), g.px((i + 1.0f) - k), g.py(j + k),
         colour);
  };
  const auto marker = [&](float i, float j, float e, Rgb colour) {
    draw(LineStyle::kFilledBox, g.px(i) - e, g.py(j) - e, g.px(i) + e, g.py(j) + e, colour);
  };
  const float ro = world.ro;
  for (float i = 0.0f; i <= ro; i += 1.0f) {
    const auto column = gridIndex(i);
    if (!column) {
      continue;
    }
    for (float j = 0.0f; j <= ro; j += 1.0f) {
      const auto row = gridIndex(j);
      if (!row) {
        continue;
      }
      for (int k = 0; k <= 1; ++k) {
        const std::int32_t code = world.labmap(*column, *row, k);
        const auto fk = static_cast<float>(k);
        if (code == 1) {
          segment(i, j, fk, rgb(128, 0, 128));
        }
        if (code == 2) {
          segment(i, j, fk, rgb(0, 0, 255));
        }
        if (code == 3) {
          marker(i, j, s / 4.0f, rgb(255, 255, 0));
        }
        // Code 8 is looked up in layer 0 whatever the layer, so it is drawn twice.
        if (world.labmap(*column, *row, 0) == 8) {
          marker(i, j, s / 4.0f, rgb(0, 255, 0));
        }
        if (code == 4) {
          marker(i, j, s / 8.0f, rgb(0, 0, 128));
        }
        if (code == 5) {
          segment(i, j, fk, rgb(0, 255, 0));
        }
        if (code == 6) {
          draw(LineStyle::kBox, g.px(i - 1.0f), g.py(j + 1.0f), g.px(i + 1.0f), g.py(j - 1.0f),
               rgb(0, 255, 255));
        }
        if (code == 7) {
          segment(i, j, fk, rgb(128, 128, 128));
        }
      }
    }
  }
  marker(world.X, world.Y, s / 8.0f, rgb(255, 255, 0));
}

}  // namespace quib
