// A push button in the classic raised style: sunk while held, a dotted mark for the focus.
#pragma once

#include <cstdint>
#include <string>

#include "canvas/glyphs.hpp"
#include "canvas/image.hpp"

namespace quib {

class PushButton {
 public:
  PushButton(const Rect& bounds, std::string caption);

  const Rect& bounds() const { return bounds_; }
  // Drawn sunk: held down by the pointer while over the button, or by Space.
  bool pressed() const { return (held_ && over_) || spaceHeld_; }

  // Input while the button has the focus. Each returns true when it clicks the button: a
  // pointer pressed and released over it, Enter, or Space once released.
  bool pointerDown(int x, int y);
  void pointerMoved(int x, int y);
  void pointerLeft() { over_ = false; }
  bool pointerUp(int x, int y);
  bool keyDown(std::int16_t keyCode);
  bool keyUp(std::int16_t keyCode);

  // Draws the button, which has the focus, in its present look.
  void draw(Image& target, const TextRenderer& font) const;

 private:
  Rect bounds_;
  std::string caption_;
  bool held_ = false;  // the pointer went down over the button and is not up yet
  bool over_ = false;
  bool spaceHeld_ = false;
};

}  // namespace quib
