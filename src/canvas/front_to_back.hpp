// Painting a frame from its last paint to its first. In painter's order the last paint to
// reach a pixel is the one seen; painted the other way round, the first paint to reach a
// pixel keeps it, and later ones only fill what is still free. The pixels are the same, and
// paints hidden behind nearer ones cost next to nothing.
#pragma once

#include <array>
#include <utility>
#include <vector>

#include "canvas/image.hpp"
#include "canvas/paint_target.hpp"

namespace quib {

// Which pixels of each row are painted already, as sorted, disjoint runs [from, to).
class RowCoverage {
 public:
  void reset(int width, int height);

  bool full() const { return fullRows_ == static_cast<int>(rows_.size()); }
  bool rowFull(int y) const { return full_[static_cast<std::size_t>(y)] != 0; }
  // The first row from y on that is not painted from end to end; the height when none is.
  // Near paints fill whole rows early, and later paints skip them in a step.
  int openRow(int y) const;
  // Whether [x0, x1) of every row in [y0, y1) is painted already.
  bool covered(int x0, int x1, int y0, int y1) const;

  // Calls fill(from, to) for each part of [x0, x1) on row y that is still free, then marks the
  // whole of [x0, x1) painted.
  template <class Fill>
  void claim(int y, int x0, int x1, Fill&& fill);

  // Calls fill(y, from, to) for every run of free pixels of every row.
  template <class Fill>
  void forEachFree(Fill&& fill) const;

 private:
  using Run = std::pair<int, int>;
  void cover(std::vector<Run>& row, int y, int x0, int x1);

  int width_ = 0;
  int fullRows_ = 0;
  std::vector<std::vector<Run>> rows_;
  std::vector<char> full_;
  // For each row, a row at or below the first open one from it: a full row points past
  // itself, and lookups shorten the chains they walk.
  mutable std::vector<int> open_;
};

// A frame painted front to back onto `target`, the coverage kept in `coverage`.
class FrontToBack final : public PaintTarget {
 public:
  FrontToBack(Image& target, RowCoverage& coverage);

  // Every pixel is painted: nothing painted before in painter's order can show.
  bool full() const { return coverage_.full(); }

  void stretchPaint(const Image& picture, float x, float y, float w, float h) override;
  void setDrawColour(Rgb colour) override { drawColour_ = colour; }
  void polygon(const std::array<Point, 4>& points) override;

  // Gives every pixel no paint reached the backdrop's pixel; ends the frame.
  void finish(const Image& backdrop);

 private:
  Image& target_;
  RowCoverage& coverage_;
  Rgb drawColour_ = 0;
  std::vector<int> columns_;    // a stretch's source column for each target column
  std::vector<Rgb> stretched_;  // a stretch's source row, stretched
};

template <class Fill>
void RowCoverage::claim(int y, int x0, int x1, Fill&& fill) {
  if (x0 >= x1 || rowFull(y)) {
    return;
  }
  std::vector<Run>& row = rows_[static_cast<std::size_t>(y)];
  int at = x0;
  for (const Run& run : row) {
    if (run.second <= at) {
      continue;
    }
    if (run.first >= x1) {
      break;
    }
    if (run.first > at) {
      fill(at, run.first);
    }
    at = std::max(at, run.second);
    if (at >= x1) {
      break;
    }
  }
  if (at < x1) {
    fill(at, x1);
  }
  cover(row, y, x0, x1);
}

template <class Fill>
void RowCoverage::forEachFree(Fill&& fill) const {
  for (std::size_t y = 0; y < rows_.size(); ++y) {
    int at = 0;
    for (const Run& run : rows_[y]) {
      if (run.first > at) {
        fill(static_cast<int>(y), at, run.first);
      }
      at = run.second;
    }
    if (at < width_) {
      fill(static_cast<int>(y), at, width_);
    }
  }
}

}  // namespace quib
