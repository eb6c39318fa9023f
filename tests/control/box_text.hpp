// Text for tests that need no font: a box of ink as wide as the text has bytes.
#pragma once

#include <string>
#include <vector>

#include "canvas/glyphs.hpp"

namespace quib {

class BoxText final : public TextRenderer {
 public:
  GlyphStrip render(const std::string& text) const override {
    const int width = static_cast<int>(text.size()) * 4;
    return {width, kHeight,
            std::vector<std::uint8_t>(static_cast<std::size_t>(width) * kHeight, 255)};
  }
  int lineHeight() const override { return kHeight; }

 private:
  static constexpr int kHeight = 8;
};

}  // namespace quib
