// The tooltip's timing and its small framed box.
#include "ui/tooltip.hpp"

#include <algorithm>

#include "canvas/raster.hpp"

namespace quib {
namespace {

constexpr Rgb kBack = rgb(255, 255, 225);
constexpr Rgb kInk = rgb(0, 0, 0);
constexpr int kPadding = 3;
// The tip comes up below the pointer's arrow, not under it.
constexpr int kBelowPointer = 20;

}  // namespace

void Tooltip::pointerOver(int x, int y, std::uint64_t now) {
  if (shown_ || dismissed_) {
    return;
  }
  at_ = {x, y};
  due_ = now + kRestMs;
}

void Tooltip::pointerAway() {
  shown_ = false;
  dismissed_ = false;
  due_.reset();
}

void Tooltip::dismiss() {
  shown_ = false;
  dismissed_ = true;
  due_.reset();
}

bool Tooltip::tick(std::uint64_t now) {
  if (!due_ || now < *due_) {
    return false;
  }
  due_.reset();
  shown_ = true;
  return true;
}

void Tooltip::draw(Image& target, const TextRenderer& font) const {
  if (!shown_) {
    return;
  }
  const GlyphStrip line = font.render(text_);
  const int width = line.width + 2 * kPadding;
  const int height = line.height + 2;
  const int x = std::clamp(at_.x, 0, std::max(0, target.width() - width));
  const int y = std::clamp(at_.y + kBelowPointer, 0, std::max(0, target.height() - height));
  fillRect(target, {x, y, width, height}, kInk);
  fillRect(target, {x + 1, y + 1, width - 2, height - 2}, kBack);
  drawGlyphs(target, x + kPadding, y + 1, line, kInk);
}

}  // namespace quib
