// The top-down plan of the whole level beside the view, with the viewer's marker.
#pragma once

#include <memory>
#include <utility>

#include "canvas/glyphs.hpp"
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

// Draws the plan on the game window's own surface. The points' shapes change only with the
// grid (a turn), so they are drawn once into a layer of their own and copied from it while
// the grid stays as it was; the viewer's marker is drawn afresh on top every time.
class PlanMap {
 public:
  explicit PlanMap(const TextRenderer& text) : layer_(text) {}

  void draw(const World& world, WindowSurface& surface);

 private:
  bool layerShows(const World& world, const WindowSurface& surface) const;

  WindowSurface layer_;  // the points' shapes on the window's colour
  std::unique_ptr<Labmap> drawnFrom_ = std::make_unique<Labmap>();  // the grid the layer shows
  float N_ = 0;
  float ro_ = 0;
  bool drawn_ = false;
};

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

// Calls draw(...) for the shapes of the point (i, j) at grid indices (column, row), its layers
// in turn and each layer's codes in the table's order.
template <class Draw>
void drawPointShapes(const World& world, const PlanGeometry& g, float i, float j, int column,
                     int row, Draw&& draw) {
  // Of the table's tests, only the point's own code and the one that looks at layer 0
  // whatever the layer can match.
  const CodeMeaning* layer0Look = meaningOf(world.labmap(column, row, 0));
  if (layer0Look != nullptr && !layer0Look->planLooksAtLayer0) {
    layer0Look = nullptr;
  }
  for (int k = 0; k <= 1; ++k) {
    const CodeMeaning* own = meaningOf(world.labmap(column, row, k));
    if (own != nullptr && own->planLooksAtLayer0) {
      own = nullptr;
    }
    // Where both match, they come in the table's order.
    const CodeMeaning* first = own;
    const CodeMeaning* second = layer0Look;
    if (first != nullptr && second != nullptr && second < first) {
      std::swap(first, second);
    }
    for (const CodeMeaning* meaning : {first, second}) {
      if (meaning != nullptr) {
        drawPlanShape(*meaning, g, i, j, static_cast<float>(k), draw);
      }
    }
  }
}

// Calls draw(style, x1, y1, x2, y2, colour) for the shapes of every point, in drawing order:
// columns outermost, then rows, then layers, each point's codes in the table's order.
template <class Draw>
void forEachPointShape(const World& world, const PlanGeometry& g, Draw&& draw) {
  const float ro = world.ro;
  for (float i = 0.0f; i <= ro; i += 1.0f) {
    const auto column = gridIndex(i);
    for (float j = 0.0f; column && j <= ro; j += 1.0f) {
      if (const auto row = gridIndex(j)) {
        drawPointShapes(world, g, i, j, *column, *row, draw);
      }
    }
  }
}

// The viewer's marker: as small as a blue marker, in yellow.
template <class Draw>
void drawViewerMarker(const World& world, const PlanGeometry& g, Draw&& draw) {
  const float e = g.s / kViewerMarkerDivisor;
  draw(LineStyle::kFilledBox, g.px(world.X) - e, g.py(world.Y) - e, g.px(world.X) + e,
       g.py(world.Y) + e, kViewerMarkerColour);
}

// Calls draw(style, x1, y1, x2, y2, colour) for every shape of the plan, in drawing order:
// the points' shapes, then the viewer's marker on top.
template <class Draw>
void forEachPlanShape(const World& world, const PlanGeometry& g, Draw&& draw) {
  // Mended: an extent below 1 gives the plan no scale, so there is nothing to draw.
  if (!(world.ro >= 1.0f)) {
    return;
  }
  forEachPointShape(world, g, draw);
  drawViewerMarker(world, g, draw);
}

}  // namespace quib
