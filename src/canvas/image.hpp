// A picture in memory: 32-bit pixels 0x00RRGGBB, row by row from the top-left corner.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "formats/pixel_buffer.hpp"  // Rgb and rgb() too

namespace quib {

// A pixel position, x to the right and y downward.
struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
  bool operator==(const Point&) const = default;
};

// A width and a height in pixels.
struct Size {
  int width = 0;
  int height = 0;
  bool operator==(const Size&) const = default;
};

// A rectangle of whole pixels: left, top, width, height.
struct Rect {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;
  bool contains(int px, int py) const { return px >= x && px < x + w && py >= y && py < y + h; }
  bool contains(const Rect& r) const {
    return r.w <= 0 || r.h <= 0 ||
           (r.x >= x && r.y >= y && r.x + r.w <= x + w && r.y + r.h <= y + h);
  }
  bool meets(const Rect& r) const {
    return w > 0 && h > 0 && r.w > 0 && r.h > 0 && r.x < x + w && x < r.x + r.w && r.y < y + h &&
           y < r.y + r.h;
  }
  bool operator==(const Rect&) const = default;
};

class Image {
 public:
  Image() = default;
  Image(int width, int height, Rgb fill = 0)
      : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}
  // Takes over a decoder's pixels without copying them.
  explicit Image(PixelBuffer&& buffer)
      : width_(buffer.width), height_(buffer.height), pixels_(std::move(buffer.pixels)) {}

  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return pixels_.empty(); }

  Rgb at(int x, int y) const { return pixels_[offset(x, y)]; }
  void set(int x, int y, Rgb colour) { pixels_[offset(x, y)] = colour; }
  Rgb* row(int y) { return pixels_.data() + offset(0, y); }
  const Rgb* row(int y) const { return pixels_.data() + offset(0, y); }

  void fill(Rgb colour) { pixels_.assign(pixels_.size(), colour); }
  // Copies `source` with its top-left corner at (x, y); what falls outside is cut off.
  void blit(const Image& source, int x, int y);

  bool operator==(const Image&) const = default;

 private:
  std::size_t offset(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }

  int width_ = 0;
  int height_ = 0;
  std::vector<Rgb> pixels_;
};

}  // namespace quib
