// A line of text as rendered by the font: how much of each pixel the ink covers.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/image.hpp"

namespace quib {

struct GlyphStrip {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> coverage;  // row by row, 0 (none) to 255 (all)

  std::uint8_t at(int x, int y) const {
    return coverage[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                    static_cast<std::size_t>(x)];
  }
};

// Blends the strip's ink in `colour` over the picture, its top-left corner at (x, y), clipped.
void drawGlyphs(Image& target, int x, int y, const GlyphStrip& glyphs, Rgb colour);

}  // namespace quib
