// Copying one picture onto another.
#include "canvas/image.hpp"

#include <algorithm>

namespace quib {

void Image::blit(const Image& source, int x, int y) {
  const int left = std::max(0, x);
  const int right = std::min(width_, x + source.width());
  const int top = std::max(0, y);
  const int bottom = std::min(height_, y + source.height());
  for (int row = top; row < bottom; ++row) {
    const Rgb* from = source.row(row - y) + (left - x);
    std::copy(from, from + std::max(0, right - left), this->row(row) + left);
  }
}

}  // namespace quib
