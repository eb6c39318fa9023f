// Printing and line drawing on the game window's own surface.
#include "platform/window_surface.hpp"

#include <string>

#include "platform/raster.hpp"

namespace quib {

WindowSurface::WindowSurface(const Font& font)
    : font_(font), pixels_(kWidth, kHeight, kBackColour) {}

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
  drawGlyphs(pixels_, 0, textY_, font_.render(text), kTextColour);
  textY_ += font_.lineHeight();
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
