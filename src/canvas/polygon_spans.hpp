// A filled polygon's pixels, row by row, kept so that filling it again skips the geometry.
#pragma once

#include <span>
#include <utility>
#include <vector>

#include "canvas/image.hpp"

namespace quib {

class PolygonSpans {
 public:
  using Run = std::pair<int, int>;  // [from, to) of a row

  PolygonSpans() = default;  // covers nothing
  PolygonSpans(std::span<const Point> points, Size target);

  // No pixel lies outside rows [row0, row1) and columns [x0, x1).
  bool empty() const { return row0 >= row1 || x0 >= x1; }
  int row0 = 0;
  int row1 = 0;
  int x0 = 0;
  int x1 = 0;

  // The runs of pixels of row py in [row0, row1) whose centres lie inside (even-odd rule),
  // left to right. All rows are worked out at the first call.
  std::span<const Run> runs(int py) {
    if (!built_) {
      build();
    }
    const auto at = static_cast<std::size_t>(py - row0);
    if (rowStart_.empty()) {
      return {runs_.data() + at, runs_[at].first < runs_[at].second ? 1U : 0U};
    }
    return {runs_.data() + rowStart_[at], runs_.data() + rowStart_[at + 1]};
  }

 private:
  void build();

  bool built_ = false;
  int width_ = 0;
  std::vector<Point> points_;
  // A row of a convex polygon has at most one run: runs_ holds row py's at py - row0, an empty
  // one where it has none. Otherwise row py's runs begin at runs_[rowStart_[py - row0]].
  std::vector<Run> runs_;
  std::vector<std::size_t> rowStart_;
};

}  // namespace quib
