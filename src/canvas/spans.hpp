// Which pixels a filled shape covers, row by row. One definition serves both ways of
// painting (over what lies there, and front to back into what is still free), so that the
// two paint exactly the same pixels.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <utility>
#include <vector>

#include "canvas/image.hpp"

namespace quib {

// ceil(v) clamped to [0, size], without a call into the maths library: within the range the
// truncated value is the ceiling or one below it, and outside it the clamp decides alone.
// Inline, as the rest here: a new eye height works out every shape's rows and columns anew.
inline int clampedCeiling(double v, int size) {
  if (!(v > 0.0)) {
    return 0;
  }
  if (v >= static_cast<double>(size)) {
    return size;
  }
  const int whole = static_cast<int>(v);
  return static_cast<double>(whole) < v ? whole + 1 : whole;
}

// The first and one past the last pixel whose centre lies in [from, to), clipped to
// [0, size).
inline std::pair<int, int> coveredPixels(double from, double to, int size) {
  return {clampedCeiling(from - 0.5, size), clampedCeiling(to - 0.5, size)};
}

// The rows a picture stretched into a rectangle from y, h high, covers: coveredPixels on its
// top and bottom edges, as StretchMap takes them.
inline std::pair<int, int> stretchRows(double y, double h, int height) {
  return coveredPixels(y, y + h, height);
}

// A picture stretched into the rectangle (x, y, w, h): the target pixels whose centres lie
// inside it, [x0, x1) x [y0, y1), and the source pixel under each.
class StretchMap {
 public:
  StretchMap() = default;  // covers nothing
  StretchMap(const Image& source, float x, float y, float w, float h, int targetWidth,
             int targetHeight);

  bool empty() const { return x0 >= x1 || y0 >= y1; }
  int sourceRow(int py) const { return sourceIndex(py, top_, h_, sourceHeight_); }
  int sourceColumn(int px) const { return sourceIndex(px, left_, w_, sourceWidth_); }

  static int sourceIndex(int pixel, double origin, double extent, int size) {
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

  int x0 = 0;
  int x1 = 0;
  int y0 = 0;
  int y1 = 0;

 private:
  double left_ = 0;
  double top_ = 0;
  double w_ = 0;
  double h_ = 0;
  int sourceWidth_ = 0;
  int sourceHeight_ = 0;
};

// The rows [first, end) a polygon may cover in a target of the given height.
std::pair<int, int> polygonRows(std::span<const Point> points, int height);

// Calls span(py, x0, x1) for each run of pixels of row py whose centres lie inside the
// polygon (even-odd rule), left to right, clipped to the target's width.
template <class Span>
void forEachPolygonSpan(std::span<const Point> points, int py, int width, Span&& span) {
  constexpr std::size_t kFew = 16;
  std::array<double, kFew> few{};
  std::vector<double> many;
  double* crossings = few.data();
  if (points.size() > kFew) {
    many.resize(points.size());
    crossings = many.data();
  }
  const double centre = py + 0.5;
  std::size_t count = 0;
  for (std::size_t k = 0; k < points.size(); ++k) {
    const Point& a = points[k];
    const Point& b = points[k + 1 == points.size() ? 0 : k + 1];  // no division a row
    const double ay = a.y;
    const double by = b.y;
    if ((ay <= centre && centre < by) || (by <= centre && centre < ay)) {
      const double ax = a.x;
      const double bx = b.x;
      crossings[count++] = ax + (centre - ay) * (bx - ax) / (by - ay);
    }
  }
  // Mostly two crossings, at most a few: sorted in place, as a general sort would.
  for (std::size_t k = 1; k < count; ++k) {
    const double crossing = crossings[k];
    std::size_t at = k;
    for (; at > 0 && crossing < crossings[at - 1]; --at) {
      crossings[at] = crossings[at - 1];
    }
    crossings[at] = crossing;
  }
  for (std::size_t k = 0; k + 1 < count; k += 2) {
    const auto [x0, x1] = coveredPixels(crossings[k], crossings[k + 1], width);
    if (x0 < x1) {
      span(py, x0, x1);
    }
  }
}

}  // namespace quib
