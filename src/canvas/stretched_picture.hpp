// A picture stretched into a rectangle of a surface, kept so that painting it again is a copy.
#pragma once

#include <vector>

#include "canvas/image.hpp"
#include "canvas/spans.hpp"

namespace quib {

// The target pixels the stretch covers and, built the first time each is asked for, its
// stretched rows: a face seen in one frame is mostly seen again in the next, where a row
// asked for again costs nothing. Only the rows some paint reaches are ever built.
class StretchedPicture {
 public:
  StretchedPicture() = default;  // covers nothing
  // Keeps `picture` by address: it must outlive this and stay as it is.
  StretchedPicture(const Image& picture, float x, float y, float w, float h, Size target);

  // Stretches anew, keeping the memory of the rows stretched before.
  void stretch(const Image& picture, float x, float y, float w, float h, Size target);

  const StretchMap& map() const { return map_; }
  bool empty() const { return map_.empty(); }

  // Target row py's pixels, from column x0 to x1 of the map; py lies in [y0, y1). The
  // pointer holds until the next call.
  const Rgb* row(int py) {
    const auto at = static_cast<std::size_t>(py - map_.y0);
    if (at < data_.size() && data_[at] != 0) {
      return data_.data() + data_[at];
    }
    return buildRow(py);
  }

 private:
  const Rgb* buildRow(int py);

  const Image* picture_ = nullptr;
  StretchMap map_;
  // One block for what a paint reads, so that it meets one place in memory: first, for each
  // target row from y0, where in the block its stretched pixels start (0 until built), then
  // the stretched source rows as they were built.
  std::vector<Rgb> data_;
  // Only for building rows: the source column under each target column, and where each
  // source row's stretched pixels start (0 until built).
  std::vector<int> columns_;
  std::vector<Rgb> sourceRowAt_;
};

}  // namespace quib
