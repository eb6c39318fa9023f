// Stretched rows, built on demand.
#include "canvas/stretched_picture.hpp"

#include <algorithm>

namespace quib {

StretchedPicture::StretchedPicture(const Image& picture, float x, float y, float w, float h,
                                   Size target) {
  stretch(picture, x, y, w, h, target);
}

void StretchedPicture::stretch(const Image& picture, float x, float y, float w, float h,
                               Size target) {
  picture_ = &picture;
  map_ = StretchMap(picture, x, y, w, h, target.width, target.height);
  data_.clear();
  columns_.clear();
  sourceRowAt_.clear();
}

const Rgb* StretchedPicture::buildRow(int py) {
  const auto width = static_cast<std::size_t>(map_.x1 - map_.x0);
  const auto rows = static_cast<std::size_t>(map_.y1 - map_.y0);
  if (columns_.empty()) {
    columns_.resize(width);
    for (int px = map_.x0; px < map_.x1; ++px) {
      columns_[static_cast<std::size_t>(px - map_.x0)] = map_.sourceColumn(px);
    }
    const auto sourceRows = static_cast<std::size_t>(picture_->height());
    sourceRowAt_.assign(sourceRows, 0);
    // Room for every row the stretch can take, once: growing by doubling as rows are built
    // would leave a quarter of a kept face's memory unused on the average.
    data_.reserve(rows + width * std::min(rows, sourceRows));
    data_.assign(rows, 0);
  }
  const auto sourceRow = static_cast<std::size_t>(map_.sourceRow(py));
  if (sourceRowAt_[sourceRow] == 0) {
    const std::size_t at = data_.size();
    sourceRowAt_[sourceRow] = static_cast<Rgb>(at);
    data_.resize(at + width);
    const Rgb* from = picture_->row(static_cast<int>(sourceRow));
    Rgb* to = data_.data() + at;
    for (std::size_t k = 0; k < width; ++k) {
      to[k] = from[columns_[k]];
    }
  }
  data_[static_cast<std::size_t>(py - map_.y0)] = sourceRowAt_[sourceRow];
  return data_.data() + sourceRowAt_[sourceRow];
}

}  // namespace quib
