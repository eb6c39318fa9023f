// Printing and line drawing on the game window's own surface.
#include "canvas/window_surface.hpp"

#include <string>

#include "canvas/raster.hpp"

namespace quib {

WindowSurface::WindowSurface(const TextRenderer& text)
    : text_(text), pixels_(kWidth, kHeight, kBackColour) {}

void WindowSurface::resize(int width, int height) {
  pixels_ = Image(width, height, kBackColour);
  textY_ = 0;
}

void WindowSurface::clear() {
  pixels_.fill(kBackColour);
  textY_ = 0;
}

void WindowSurface::printNumber(std::int16_t number) {
  const std::string text = (number >= 0 ? " " : "") + std::to_string(number);
  drawGlyphs(pixels_, 0, textY_, text_.render(text), kTextColour);
  textY_ += text_.lineHeight();
}

void WindowSurface::line(LineStyle style, float x1, float y1, float x2, float y2, Rgb colour) {
  switch (style) {
    case LineStyle::kLine:
      drawLine(pixels_, x1, y1, x2, y2, colour);
      break;
    case LineStyle::kBox:
      outlineBox(pixels_, x1, y1, x2, y2, colour);
      break;
    case LineStyle::kFilledBox:
      fillBox(pixels_, x1, y1, x2, y2, colour);
      break;
  }
}

}  // namespace quib
