// The button's input rules and its look, drawn with plain rectangles and the window's font.
#include "ui/push_button.hpp"

#include <utility>

#include "canvas/raster.hpp"
#include "world/key_codes.hpp"

namespace quib {
namespace {

// The classic desktop's colours for a raised control, lit from the top left.
struct Look {
  Rgb face, highlight, shadow, darkShadow, frame, caption;
};
constexpr Look kLook{rgb(212, 208, 200), rgb(255, 255, 255), rgb(128, 128, 128),
                     rgb(64, 64, 64),    rgb(0, 0, 0),       rgb(0, 0, 0)};
// The focus mark lies this far inside the button's edge.
constexpr int kFocusInset = 4;

void frame(Image& target, const Rect& r, Rgb topLeft, Rgb bottomRight) {
  fillRect(target, {r.x, r.y, r.w, 1}, topLeft);
  fillRect(target, {r.x, r.y, 1, r.h}, topLeft);
  fillRect(target, {r.x, r.y + r.h - 1, r.w, 1}, bottomRight);
  fillRect(target, {r.x + r.w - 1, r.y, 1, r.h}, bottomRight);
}

Rect inset(const Rect& r, int by) {
  return {r.x + by, r.y + by, r.w - 2 * by, r.h - 2 * by};
}

// Every other pixel of the rectangle's edge.
void dottedFrame(Image& target, const Rect& r, Rgb colour) {
  const auto dot = [&](int x, int y) {
    if ((x + y) % 2 == 0 && x >= 0 && y >= 0 && x < target.width() && y < target.height()) {
      target.set(x, y, colour);
    }
  };
  for (int x = r.x; x < r.x + r.w; ++x) {
    dot(x, r.y);
    dot(x, r.y + r.h - 1);
  }
  for (int y = r.y; y < r.y + r.h; ++y) {
    dot(r.x, y);
    dot(r.x + r.w - 1, y);
  }
}

}  // namespace

PushButton::PushButton(const Rect& bounds, std::string caption)
    : bounds_(bounds), caption_(std::move(caption)) {}

bool PushButton::pointerDown(int x, int y) {
  if (bounds_.contains(x, y)) {
    held_ = true;
    over_ = true;
  }
  return false;
}

void PushButton::pointerMoved(int x, int y) {
  over_ = bounds_.contains(x, y);
}

bool PushButton::pointerUp(int x, int y) {
  over_ = bounds_.contains(x, y);
  const bool click = held_ && over_;
  held_ = false;
  return click;
}

bool PushButton::keyDown(std::int16_t keyCode) {
  if (keyCode == vk::kSpace) {
    spaceHeld_ = true;
  }
  return keyCode == vk::kReturn;
}

bool PushButton::keyUp(std::int16_t keyCode) {
  if (keyCode != vk::kSpace || !spaceHeld_) {
    return false;
  }
  spaceHeld_ = false;
  return true;
}

void PushButton::draw(Image& target, const TextRenderer& font) const {
  // The button with the focus is the default one: a black line all round.
  fillRect(target, bounds_, kLook.face);
  frame(target, bounds_, kLook.frame, kLook.frame);
  const Rect inside = inset(bounds_, 1);
  if (pressed()) {
    frame(target, inside, kLook.shadow, kLook.shadow);
  } else {
    frame(target, inside, kLook.highlight, kLook.darkShadow);
    frame(target, inset(inside, 1), kLook.face, kLook.shadow);
  }
  // A sunk button's caption moves down and right by a pixel.
  const int shift = pressed() ? 1 : 0;
  const GlyphStrip caption = font.render(caption_);
  drawGlyphs(target, bounds_.x + (bounds_.w - caption.width) / 2 + shift,
             bounds_.y + (bounds_.h - caption.height) / 2 + shift, caption, kLook.caption);
  dottedFrame(target, inset(bounds_, kFocusInset), kLook.frame);
}

}  // namespace quib
