// Polygon runs, worked out once.
#include "canvas/polygon_spans.hpp"

#include <algorithm>
#include <cstdint>
#include <tuple>

#include "canvas/spans.hpp"

namespace quib {

PolygonSpans::PolygonSpans(std::span<const Point> points, Size target)
    : width_(target.width), points_(points.begin(), points.end()) {
  std::tie(row0, row1) = polygonRows(points, target.height);
  if (row0 >= row1) {
    return;
  }
  // Its pixels lie within the columns of its corners.
  const auto [left, right] = std::minmax_element(
      points.begin(), points.end(), [](const Point& a, const Point& b) { return a.x < b.x; });
  x0 = static_cast<int>(std::clamp<std::int64_t>(left->x, 0, target.width));
  x1 = static_cast<int>(std::clamp<std::int64_t>(std::int64_t{right->x} + 1, 0, target.width));
}

void PolygonSpans::build() {
  const auto rows = static_cast<std::size_t>(row1 - row0);
  std::vector<std::size_t> start;
  start.reserve(rows + 1);
  for (int y = row0; y < row1; ++y) {
    start.push_back(runs_.size());
    forEachPolygonSpan(points_, y, width_, [&](int, int a, int b) { runs_.emplace_back(a, b); });
  }
  start.push_back(runs_.size());
  bool oneRunARow = true;
  for (std::size_t at = 0; at < rows; ++at) {
    oneRunARow = oneRunARow && start[at + 1] - start[at] <= 1;
  }
  if (oneRunARow) {
    std::vector<Run> byRow(rows, Run{0, 0});
    for (std::size_t at = 0; at < rows; ++at) {
      if (start[at + 1] > start[at]) {
        byRow[at] = runs_[start[at]];
      }
    }
    runs_ = std::move(byRow);
  } else {
    rowStart_ = std::move(start);
  }
  built_ = true;
}

}  // namespace quib
