// The plan's points' shapes, each a box of whole pixels looked up by its grid indices.
#include "control/plan_layer.hpp"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "canvas/raster.hpp"

namespace quib {
namespace {

// The pixels of a plan coordinate for the grid indices -1 to last + 1; nothing when one of
// them lies too far off to draw.
template <class Coordinate>
std::optional<std::vector<std::int64_t>> pixelsOf(int last, Coordinate&& coordinate) {
  std::vector<std::int64_t> pixels;
  for (int index = -1; index <= last + 1; ++index) {
    const auto pixel = pixelOf(coordinate(static_cast<float>(index)));
    if (!pixel) {
      return std::nullopt;
    }
    pixels.push_back(*pixel);
  }
  return pixels;
}

// Where the corners of every shape land, by grid index; shifted by one, as index -1 comes first.
struct Corners {
  std::vector<std::int64_t> x, y;  // px(c), py(r)
  // For each code in the table that is a marker: its sides about each column and row.
  struct Sides {
    std::vector<std::int64_t> left, right, top, bottom;
  };
  std::vector<Sides> markers;
};

std::optional<Corners> cornersOf(const PlanGeometry& g, int last) {
  Corners corners;
  auto x = pixelsOf(last, [&](float c) { return g.px(c); });
  auto y = pixelsOf(last, [&](float r) { return g.py(r); });
  if (!x || !y) {
    return std::nullopt;
  }
  corners.x = std::move(*x);
  corners.y = std::move(*y);
  for (const CodeMeaning& meaning : kCodeMeanings) {
    if (meaning.plan != PlanShape::kMarker) {
      corners.markers.emplace_back();
      continue;
    }
    const float e = g.s / meaning.markerDivisor;
    auto left = pixelsOf(last, [&](float i) { return g.px(i) - e; });
    auto right = pixelsOf(last, [&](float i) { return g.px(i) + e; });
    auto top = pixelsOf(last, [&](float j) { return g.py(j) - e; });
    auto bottom = pixelsOf(last, [&](float j) { return g.py(j) + e; });
    if (!left || !right || !top || !bottom) {
      return std::nullopt;
    }
    corners.markers.push_back(
        {std::move(*left), std::move(*right), std::move(*top), std::move(*bottom)});
  }
  return corners;
}

// Writes boxes of whole pixels, clipped, and keeps the box that holds them all. The plan's
// boxes are a few pixels each: a call a box, and a loop over its rows, is all they are worth.
class Pen {
 public:
  explicit Pen(Image& image) : image_(image) {}

  void fill(const PixelBox& box, Rgb colour) {
    const PixelBox sorted{std::min(box.left, box.right), std::min(box.top, box.bottom),
                          std::max(box.left, box.right), std::max(box.top, box.bottom)};
    paint(sorted, colour);
    reach_ = {std::min(reach_.left, sorted.left), std::min(reach_.top, sorted.top),
              std::max(reach_.right, sorted.right), std::max(reach_.bottom, sorted.bottom)};
  }

  void outline(const PixelBox& box, Rgb colour) {
    const PixelBox sorted{std::min(box.left, box.right), std::min(box.top, box.bottom),
                          std::max(box.left, box.right), std::max(box.top, box.bottom)};
    paint({sorted.left, sorted.top, sorted.right, sorted.top}, colour);
    paint({sorted.left, sorted.bottom, sorted.right, sorted.bottom}, colour);
    paint({sorted.left, sorted.top, sorted.left, sorted.bottom}, colour);
    paint({sorted.right, sorted.top, sorted.right, sorted.bottom}, colour);
    reach_ = {std::min(reach_.left, sorted.left), std::min(reach_.top, sorted.top),
              std::max(reach_.right, sorted.right), std::max(reach_.bottom, sorted.bottom)};
  }

  Rect reach() const {
    if (reach_.left > reach_.right) {
      return {};
    }
    return {static_cast<int>(reach_.left), static_cast<int>(reach_.top),
            static_cast<int>(reach_.right - reach_.left + 1),
            static_cast<int>(reach_.bottom - reach_.top + 1)};
  }

 private:
  // The box's pixels that lie on the picture. Most boxes are a line a pixel wide or high.
  void paint(const PixelBox& box, Rgb colour) {
    const std::int64_t left = std::max<std::int64_t>(box.left, 0);
    const std::int64_t right = std::min<std::int64_t>(box.right, image_.width() - 1);
    const std::int64_t top = std::max<std::int64_t>(box.top, 0);
    const std::int64_t bottom = std::min<std::int64_t>(box.bottom, image_.height() - 1);
    if (left > right || top > bottom) {
      return;
    }
    const auto width = static_cast<std::ptrdiff_t>(image_.width());
    Rgb* pixel = image_.row(static_cast<int>(top)) + left;
    const std::int64_t across = right - left + 1;
    for (std::int64_t y = top; y <= bottom; ++y, pixel += width) {
      if (across == 1) {
        *pixel = colour;
      } else {
        std::fill_n(pixel, across, colour);
      }
    }
  }

  Image& image_;
  PixelBox reach_{
      std::numeric_limits<std::int64_t>::max(), std::numeric_limits<std::int64_t>::max(),
      std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::min()};
};

// Draws the shape with the corners drawPlanShape gives it, looked up by its grid indices.
void drawShape(Pen& pen, const Corners& corners, const PointShape& shape) {
  // Index -1 comes first.
  const auto at = [](const std::vector<std::int64_t>& pixels, int index) {
    return pixels[static_cast<std::size_t>(index) + 1];
  };
  const int i = shape.i;
  const int j = shape.j;
  const int k = shape.k;
  const Rgb colour = shape.meaning->planColour;
  switch (shape.meaning->plan) {
    case PlanShape::kSegment:
      pen.fill({at(corners.x, i - 1 + k), at(corners.y, j - k), at(corners.x, i + 1 - k),
                at(corners.y, j + k)},
               colour);
      break;
    case PlanShape::kMarker: {
      const Corners::Sides& sides =
          corners.markers[static_cast<std::size_t>(shape.meaning - kCodeMeanings.data())];
      pen.fill({at(sides.left, i), at(sides.top, j), at(sides.right, i), at(sides.bottom, j)},
               colour);
      break;
    }
    case PlanShape::kFrame:
      pen.outline(
          {at(corners.x, i - 1), at(corners.y, j + 1), at(corners.x, i + 1), at(corners.y, j - 1)},
          colour);
      break;
    case PlanShape::kNone:
      break;
  }
}

}  // namespace

void drawPointShapes(const World& world, const PlanGeometry& g, WindowSurface& layer) {
  const int last = gridSpan(0.0f, world.ro).last;
  if (last < 0) {
    return;
  }
  const std::optional<Corners> corners = cornersOf(g, last);
  if (!corners) {
    // A plan reaching that far off the window is drawn shape by shape, from the corners.
    forEachPointShape(world, [&](const PointShape& shape) {
      drawPlanShape(shape, g,
                    [&](LineStyle style, float x1, float y1, float x2, float y2, Rgb colour) {
                      layer.line(style, x1, y1, x2, y2, colour);
                    });
    });
    return;
  }
  layer.paintLines([&](Image& image) {
    Pen pen(image);
    forEachPointShape(world, [&](const PointShape& shape) { drawShape(pen, *corners, shape); });
    return pen.reach();
  });
}

}  // namespace quib
