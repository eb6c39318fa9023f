// The top-down plan of the whole level beside the view, with the viewer's marker.
#pragma once

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

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
// grid, so they are drawn into a layer of their own and copied from it while the grid stays
// as it was; the viewer's marker is drawn afresh on top every time. A turn changes the whole
// grid and four bring it back: the shapes of the last four grids are kept, each as the part
// of the layer that holds them.
class PlanMap {
 public:
  explicit PlanMap(const TextRenderer& text) : layer_(text) {}

  void draw(const World& world, WindowSurface& surface);

 private:
  // The shapes of one grid at one scale, as they lay on a layer of this size.
  struct Kept {
    Labmap grid;
    float N = 0;
    float ro = 0;
    Size size;
    Rect area;
    Image pixels;
    std::uint64_t lastUsed = 0;
  };
  static constexpr std::size_t kKept = 4;

  // Gives the layer the world's shapes, from those kept or drawn afresh and then kept.
  void prepareLayer(const World& world, const PlanGeometry& geometry, Size size);

  WindowSurface layer_;
  const Kept* onLayer_ = nullptr;
  std::vector<std::unique_ptr<Kept>> kept_;
  std::uint64_t uses_ = 0;
};

// One shape of the plan: what a code means, at column i, row j, in layer k.
struct PointShape {
  const CodeMeaning* meaning;
  int i;
  int j;
  int k;
};

// Calls emit(PointShape) for the shapes of every point, in drawing order: columns outermost,
// then rows, then layers, each layer's codes in the table's order.
template <class Emit>
void forEachPointShape(const World& world, Emit&& emit) {
  // Whole-number counters over the points from 0 to ro that lie in the grid: unlike floats,
  // they count on past 2^24, whatever the extent.
  const GridSpan points = gridSpan(0.0f, world.ro);
  for (int column = points.first; column <= points.last; ++column) {
    for (int row = points.first; row <= points.last; ++row) {
      const CodeMeaning* across = meaningOf(world.labmap(column, row, 0));
      const CodeMeaning* along = meaningOf(world.labmap(column, row, 1));
      // Layer 0: its code's shape, whether its test looks at the point's own layer or at
      // layer 0 whatever the layer.
      if (across != nullptr) {
        emit(PointShape{across, column, row, 0});
      }
      // Layer 1: its code's shape unless that code is tested in layer 0 only, and (Kept: the
      // code-8 test looks at layer 0 whatever the layer) layer 0's code a second time where
      // it is; both in the table's order.
      const CodeMeaning* own = along != nullptr && !along->planLooksAtLayer0 ? along : nullptr;
      const CodeMeaning* again = across != nullptr && across->planLooksAtLayer0 ? across : nullptr;
      if (own != nullptr && again != nullptr && again < own) {
        std::swap(own, again);
      }
      for (const CodeMeaning* meaning : {own, again}) {
        if (meaning != nullptr) {
          emit(PointShape{meaning, column, row, 1});
        }
      }
    }
  }
}

// Calls draw(style, x1, y1, x2, y2, colour) with the corners of the shape, in window pixels.
template <class Draw>
void drawPlanShape(const PointShape& shape, const PlanGeometry& g, Draw&& draw) {
  const auto i = static_cast<float>(shape.i);
  const auto j = static_cast<float>(shape.j);
  const auto k = static_cast<float>(shape.k);
  const Rgb colour = shape.meaning->planColour;
  switch (shape.meaning->plan) {
    case PlanShape::kSegment:
      draw(LineStyle::kLine, g.px((i - 1.0f) + k), g.py(j - k), g.px((i + 1.0f) - k), g.py(j + k),
           colour);
      break;
    case PlanShape::kMarker: {
      const float e = g.s / shape.meaning->markerDivisor;
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

// The viewer's marker: as small as a blue marker, in yellow.
template <class Draw>
void drawViewerMarker(const World& world, const PlanGeometry& g, Draw&& draw) {
  const float e = g.s / kViewerMarkerDivisor;
  draw(LineStyle::kFilledBox, g.px(world.X) - e, g.py(world.Y) - e, g.px(world.X) + e,
       g.py(world.Y) + e, kViewerMarkerColour);
}

}  // namespace quib
