// A picture's pixels as the file formats hand them over: 0x00RRGGBB, row by row from the top.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace quib {

using Rgb = std::uint32_t;

constexpr Rgb rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return (Rgb{r} << 16) | (Rgb{g} << 8) | Rgb{b};
}

// Pixels a decoder made, for the picture types above to take over without a copy.
struct PixelBuffer {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;  // width * height of them

  bool empty() const { return pixels.empty(); }
  Rgb at(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
};

// Pixels laid out as in a PixelBuffer and owned elsewhere, for the encoders.
struct PixelView {
  int width = 0;
  int height = 0;
  std::span<const Rgb> pixels;  // width * height of them
};

}  // namespace quib
