// Text on the canvas: a line rendered into glyphs by whoever has the font, blended here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "canvas/image.hpp"

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

// Turns a line of text into glyphs; the desktop's font stands behind it.
class TextRenderer {
 public:
  virtual ~TextRenderer() = default;
  // The text (UTF-8) as one line of glyphs, a line high; empty for empty text.
  virtual GlyphStrip render(const std::string& text) const = 0;
  virtual int lineHeight() const = 0;
};

// Blends the strip's ink in `colour` over the picture, its top-left corner at (x, y), clipped.
void drawGlyphs(Image& target, int x, int y, const GlyphStrip& glyphs, Rgb colour);

}  // namespace quib
