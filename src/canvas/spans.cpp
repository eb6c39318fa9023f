// Pixel centres decide: a pixel belongs to a shape when its centre lies inside.
#include "canvas/spans.hpp"

#include <cmath>
#include <cstdint>
#include <tuple>

namespace quib {

StretchMap::StretchMap(const Image& source, float x, float y, float w, float h, int targetWidth,
                       int targetHeight)
    : left_(x),
      top_(y),
      w_(w),
      h_(h),
      sourceWidth_(source.width()),
      sourceHeight_(source.height()) {
  if (source.empty() || !(w > 0.0f && h > 0.0f) || !std::isfinite(x) || !std::isfinite(y) ||
      !std::isfinite(w) || !std::isfinite(h)) {
    return;
  }
  std::tie(x0, x1) = coveredPixels(left_, left_ + w_, targetWidth);
  std::tie(y0, y1) = stretchRows(top_, h_, targetHeight);
}

std::pair<int, int> polygonRows(std::span<const Point> points, int height) {
  if (points.size() < 3) {
    return {0, 0};
  }
  std::int64_t top = points[0].y;
  std::int64_t bottom = points[0].y;
  for (const Point& p : points) {
    top = std::min<std::int64_t>(top, p.y);
    bottom = std::max<std::int64_t>(bottom, p.y);
  }
  return coveredPixels(static_cast<double>(top), static_cast<double>(bottom), height);
}

}  // namespace quib
