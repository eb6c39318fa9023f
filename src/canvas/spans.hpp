// Which pixels a filled shape covers, row by row. One definition serves both ways of
// painting (over what lies there, and front to back into what is still free), so that the
// two paint exactly the same pixels.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <utility>
#include <vector>

#include "canvas/image.hpp"

namespace quib {

// The first and one past the last pixel whose centre lies in [from, to), clipped to
// [0, size).
std::pair<int, int> coveredPixels(double from, double to, int size);

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

  static int sourceIndex(int pixel, double origin, double extent, int size);

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
    const Point& b = points[(k + 1) % points.size()];
    const double ay = a.y;
    const double by = b.y;
    if ((ay <= centre && centre < by) || (by <= centre && centre < ay)) {
      const double ax = a.x;
      const double bx = b.x;
      crossings[count++] = ax + (centre - ay) * (bx - ax) / (by - ay);
    }
  }
  std::sort(crossings, crossings + count);
  for (std::size_t k = 0; k + 1 < count; k += 2) {
    const auto [x0, x1] = coveredPixels(crossings[k], crossings[k + 1], width);
    if (x0 < x1) {
      span(py, x0, x1);
    }
  }
}

}  // namespace quib
