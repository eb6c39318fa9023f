// Pixel centres decide: a pixel belongs to a shape when its centre lies inside.
#include "canvas/spans.hpp"

#include <cmath>
#include <cstdint>
#include <tuple>

namespace quib {

namespace {

// ceil(v) clamped to [0, size], without a call into the maths library: within the range the
// truncated value is the ceiling or one below it, and outside it the clamp decides alone.
int clampedCeiling(double v, int size) {
  if (!(v > 0.0)) {
    return 0;
  }
  if (v >= static_cast<double>(size)) {
    return size;
  }
  const int whole = static_cast<int>(v);
  return static_cast<double>(whole) < v ? whole + 1 : whole;
}

}  // namespace

std::pair<int, int> coveredPixels(double from, double to, int size) {
  return {clampedCeiling(from - 0.5, size), clampedCeiling(to - 0.5, size)};
}

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
  std::tie(y0, y1) = coveredPixels(top_, top_ + h_, targetHeight);
}

int StretchMap::sourceIndex(int pixel, double origin, double extent, int size) {
  // floor(at) clamped to [0, size - 1]: below 1 the clamp gives 0 whatever the floor, and
  // from 0 on truncation is the floor.
  const double at = (pixel + 0.5 - origin) / extent * size;
  if (!(at >= 1.0)) {
    return 0;
  }
  if (at >= static_cast<double>(size - 1)) {
    return size - 1;
  }
  return static_cast<int>(at);
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
