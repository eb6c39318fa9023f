// The top-down plan of the whole level beside the view, with the viewer's marker.
#pragma once

#include "canvas/window_surface.hpp"
#include "world/level_codes.hpp"
#include "world/world.hpp"

namespace quib {

// Between the view's right edge and the plan's leftmost shape, in window pixels.
inline constexpr float kPlanGap = 5.0f;
inline constexpr float kViewerMarkerDivisor = 8.0f;
inline constexpr Rgb kViewerMarkerColour = rgb(255, 255, 0);

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
  float px(float c) const { return ((originX + N) + kPlanGap) + s * (c + 1.0f); }
  float py(float r) const { return (originY + N / 2.0f) + s * (ro - r); }
};

// The game window's client area: 840 x 553, or larger where the level's plan, which
// reaches from column and row -1 to ro + 1, needs more; 840 x 553 for a level without plan.
Size planClientSize(float N, float ro);

// Draws the plan on the game window's own surface.
void drawPlanMap(const World& world, WindowSurface& surface);

// Calls draw(style, x1, y1, x2, y2, colour) for the shape a code's meaning gives the point
// (i, j) in layer k.
template <class Draw>
void drawPlanShape(const CodeMeaning& meaning, const PlanGeometry& g, float i, float j, float k,
                   Draw&& draw) {
  const Rgb colour = meaning.planColour;
  switch (meaning.plan) {
    case PlanShape::kSegment:
      draw(LineStyle::kLine, g.px((i - 1.0f) + k), g.py(j - k), g.px((i + 1.0f) - k), g.py(j + k),
           colour);
      break;
    case PlanShape::kMarker: {
      const float e = g.s / meaning.markerDivisor;
      draw(LineStyle::kFilledBox, g.px(i) - e, g.py(j) - e, g.px(i) + e, g.py(j) + e, colour);
      break;
    }
    case PlanShape::kFrame:
      draw(LineStyle::kBox, g.px(i - 1.0f), g.py(j + 1.0f), g.px(i + 1.0f), g.py(j - 1.0f), colour);
      break;
    case PlanShape::kNone:
      break;
  }
}

// Calls draw(style, x1, y1, x2, y2, colour) for every shape of the plan, in drawing order:
// columns outermost, then rows, then layers, each point's codes in the table's order, the
// viewer's marker last and on top.
template <class Draw>
void forEachPlanShape(const World& world, const PlanGeometry& g, Draw&& draw) {
  // Mended: an extent below 1 gives the plan no scale, so there is nothing to draw.
  if (!(world.ro >= 1.0f)) {
    return;
  }
  const float ro = world.ro;
  for (float i = 0.0f; i <= ro; i += 1.0f) {
    const auto column = gridIndex(i);
    for (float j = 0.0f; column && j <= ro; j += 1.0f) {
      const auto row = gridIndex(j);
      for (int k = 0; row && k <= 1; ++k) {
        for (const CodeMeaning& meaning : kCodeMeanings) {
          if (world.labmap(*column, *row, meaning.planLooksAtLayer0 ? 0 : k) == meaning.code) {
            drawPlanShape(meaning, g, i, j, static_cast<float>(k), draw);
          }
        }
      }
    }
  }
  // The viewer's marker: as small as a blue marker, in yellow.
  const float e = g.s / kViewerMarkerDivisor;
  draw(LineStyle::kFilledBox, g.px(world.X) - e, g.py(world.Y) - e, g.px(world.X) + e,
       g.py(world.Y) + e, kViewerMarkerColour);
}

}  // namespace quib
