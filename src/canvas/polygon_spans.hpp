// A filled quadrilateral's pixels, row by row, kept so that filling it again skips the
// geometry.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "canvas/image.hpp"

namespace quib {

class PolygonSpans {
 public:
  using Run = std::pair<int, int>;  // [from, to) of a row

  PolygonSpans() = default;  // covers nothing
  PolygonSpans(const std::array<Point, 4>& points, Size target);
  // Anew, keeping the memory of the rows worked out before: covering nothing, or the points.
  void clear();
  void set(const std::array<Point, 4>& points, Size target);

  // No pixel lies outside rows [row0, row1) and columns [x0, x1).
  bool empty() const { return row0 >= row1 || x0 >= x1; }
  int row0 = 0;
  int row1 = 0;
  int x0 = 0;
  int x1 = 0;

  // Whether some row was asked for.
  bool started() const { return !rows_.empty(); }

  // The runs of pixels of row py in [row0, row1) whose centres lie inside (even-odd rule),
  // left to right. Each row is worked out the first time it is asked for: most rows of a
  // near side wall lie behind what is painted before it, and are never asked for.
  std::span<const Run> runs(int py) {
    Row& row = rowOf(py);
    if (row.count < 0) {
      workOut(py, row);
    }
    return {row.runs.data(), static_cast<std::size_t>(row.count)};
  }
  // The runs of row py if it was worked out already; nothing if not.
  std::optional<std::span<const Run>> knownRuns(int py) {
    const Row& row = rowOf(py);
    if (row.count < 0) {
      return std::nullopt;
    }
    return std::span<const Run>{row.runs.data(), static_cast<std::size_t>(row.count)};
  }

 private:
  // Four edges cross a row at most four times: two runs at most.
  struct Row {
    int count = -1;  // -1 until worked out
    std::array<Run, 2> runs{};
  };
  Row& rowOf(int py) {
    if (rows_.empty()) {
      rows_.resize(static_cast<std::size_t>(row1 - row0));
    }
    return rows_[static_cast<std::size_t>(py - row0)];
  }
  void workOut(int py, Row& row) const;

  int width_ = 0;
  std::array<Point, 4> points_{};
  std::vector<Row> rows_;
};

}  // namespace quib
