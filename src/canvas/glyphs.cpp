// Blending rendered text over a picture.
#include "canvas/glyphs.hpp"

#include <algorithm>

namespace quib {
namespace {

constexpr std::uint32_t kFull = 255;  // a channel at its brightest; ink that covers all

std::uint32_t channel(Rgb colour, int shift) {
  return (colour >> shift) & kFull;
}

// Rounded to nearest: the ink's share of the pixel, the rest what lay under it.
std::uint8_t blend(std::uint32_t over, std::uint32_t under, std::uint32_t alpha) {
  return static_cast<std::uint8_t>((over * alpha + under * (kFull - alpha) + kFull / 2) / kFull);
}

}  // namespace

void drawGlyphs(Image& target, int x, int y, const GlyphStrip& glyphs, Rgb colour) {
  const int right = std::min(target.width(), x + glyphs.width);
  const int bottom = std::min(target.height(), y + glyphs.height);
  for (int py = std::max(0, y); py < bottom; ++py) {
    for (int px = std::max(0, x); px < right; ++px) {
      const std::uint32_t alpha = glyphs.at(px - x, py - y);
      if (alpha == 0) {
        continue;
      }
      const Rgb under = target.at(px, py);
      target.set(px, py,
                 rgb(blend(channel(colour, 16), channel(under, 16), alpha),
                     blend(channel(colour, 8), channel(under, 8), alpha),
                     blend(channel(colour, 0), channel(under, 0), alpha)));
    }
  }
}

}  // namespace quib
