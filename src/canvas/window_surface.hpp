// The game window's own surface: the printed key code and the plan map, under the views.
#pragma once

#include <cstdint>

#include "canvas/glyphs.hpp"
#include "canvas/image.hpp"

namespace quib {

// The view surfaces' top-left corner in the game window (240 twips); the plan map stands
// beside their lower half.
inline constexpr int kViewLeft = 16;
inline constexpr int kViewTop = 16;

enum class LineStyle { kLine, kBox, kFilledBox };

class WindowSurface {
 public:
  // The client area at 1x, unless a level's plan needs more room.
  static constexpr int kWidth = 840;
  static constexpr int kHeight = 553;
  static constexpr Rgb kBackColour = rgb(212, 208, 200);
  static constexpr Rgb kTextColour = rgb(0, 0, 0);

  explicit WindowSurface(const TextRenderer& text);

  // A new size wipes the surface.
  void resize(int width, int height);
  // Wipes text and lines; the text position returns to the top-left corner.
  void clear();
  // Decimal text at the text position; a non-negative number gets a blank before it.
  void printNumber(std::int16_t number);
  // A line, or a box outlined or filled, between two points in window pixels.
  void line(LineStyle style, float x1, float y1, float x2, float y2, Rgb colour);

  const Image& pixels() const { return pixels_; }

 private:
  const TextRenderer& text_;
  Image pixels_;
  int textY_ = 0;
};

}  // namespace quib
