// The plan on the game window, in window pixels beside the view.
#include "control/plan_map.hpp"

#include <algorithm>
#include <cmath>

#include "control/plan_layer.hpp"

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

namespace {

// Where every shape of the plan lies on a surface of this size: from a grid unit left of
// column 0 to one right of the last column, and likewise for the rows, a pixel more for the
// rounding of the corners.
Rect planArea(const PlanGeometry& g, Size size) {
  const float first = g.px(-1.0f);
  const float last = g.px(g.ro + 1.0f);
  const float top = g.py(g.ro + 1.0f);
  const float bottom = g.py(-1.0f);
  // Far beyond any window: the clamp only keeps the conversion in range.
  static constexpr float kFar = 1.0e6f;
  const auto pixel = [](float v) { return static_cast<int>(std::clamp(v, -kFar, kFar)); };
  const int left = std::max(0, pixel(std::min(first, last)) - 1);
  const int right = std::min(size.width, pixel(std::max(first, last)) + 2);
  const int up = std::max(0, pixel(std::min(top, bottom)) - 1);
  const int down = std::min(size.height, pixel(std::max(top, bottom)) + 2);
  return {left, up, std::max(0, right - left), std::max(0, down - up)};
}

}  // namespace

void PlanMap::prepareLayer(const World& world, const PlanGeometry& geometry, Size size) {
  for (const auto& kept : kept_) {
    if (kept->N == world.N && kept->ro == world.ro && kept->size == size &&
        kept->grid == world.labmap) {
      kept->lastUsed = ++uses_;
      if (onLayer_ != kept.get()) {
        layer_.resize(size.width, size.height);
        layer_.paintLines([&](Image& pixels) {
          pixels.blit(kept->pixels, kept->area.x, kept->area.y);
          return kept->area;
        });
        onLayer_ = kept.get();
      }
      return;
    }
  }
  layer_.resize(size.width, size.height);
  drawPointShapes(world, geometry, layer_);
  if (kept_.size() < kKept) {
    kept_.push_back(std::make_unique<Kept>());
  }
  Kept& kept = **std::min_element(kept_.begin(), kept_.end(), [](const auto& a, const auto& b) {
    return a->lastUsed < b->lastUsed;
  });
  kept.grid = world.labmap;
  kept.N = world.N;
  kept.ro = world.ro;
  kept.size = size;
  // The same area for every grid at this scale, so that the kept pixels are written over in
  // place, not made anew: a long game then holds no more memory than a short one.
  kept.area = planArea(geometry, size);
  if (kept.pixels.width() != kept.area.w || kept.pixels.height() != kept.area.h) {
    kept.pixels = Image(kept.area.w, kept.area.h);
  }
  kept.pixels.blit(layer_.pixels(), -kept.area.x, -kept.area.y);
  kept.lastUsed = ++uses_;
  onLayer_ = &kept;
}

void PlanMap::draw(const World& world, WindowSurface& surface) {
  // Mended: an extent below 1 gives the plan no scale, so there is nothing to draw.
  if (!(world.ro >= 1.0f)) {
    return;
  }
  const PlanGeometry geometry(world.N, world.ro, static_cast<float>(kViewLeft),
                              static_cast<float>(kViewTop));
  prepareLayer(world, geometry, surface.size());
  // The layer stands in for the points' shapes wherever nothing else lies under them.
  if (!surface.paste(layer_)) {
    drawPointShapes(world, geometry, surface);
  }
  drawViewerMarker(world, geometry,
                   [&](LineStyle style, float x1, float y1, float x2, float y2, Rgb colour) {
                     surface.line(style, x1, y1, x2, y2, colour);
                   });
}

}  // namespace quib
