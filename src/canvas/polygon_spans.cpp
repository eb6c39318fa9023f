// Quadrilateral runs, worked out a row at a time.
#include "canvas/polygon_spans.hpp"

#include <algorithm>
#include <cstdint>
#include <tuple>

#include "canvas/spans.hpp"

namespace quib {

PolygonSpans::PolygonSpans(const std::array<Point, 4>& points, Size target) {
  set(points, target);
}

void PolygonSpans::clear() {
  row0 = row1 = x0 = x1 = 0;
  rows_.clear();
}

void PolygonSpans::set(const std::array<Point, 4>& points, Size target) {
  clear();
  width_ = target.width;
  points_ = points;
  std::tie(row0, row1) = polygonRows(points, target.height);
  if (row0 >= row1) {
    return;
  }
  // Its pixels lie within the columns of its corners. Corners all on one upright line cover
  // none: every row crosses it at that line, which no pixel centre lies on. The side wall
  // straight ahead is seen so, edge on, in every grid row.
  const auto [left, right] = std::minmax_element(
      points.begin(), points.end(), [](const Point& a, const Point& b) { return a.x < b.x; });
  x0 = static_cast<int>(std::clamp<std::int64_t>(left->x, 0, target.width));
  x1 =
      left->x == right->x
          ? x0
          : static_cast<int>(std::clamp<std::int64_t>(std::int64_t{right->x} + 1, 0, target.width));
}

void PolygonSpans::workOut(int py, Row& row) const {
  row.count = 0;
  forEachPolygonSpan(points_, py, width_, [&row](int, int a, int b) {
    row.runs[static_cast<std::size_t>(row.count++)] = Run{a, b};
  });
}

}  // namespace quib
