// Drawing into pictures: stretched copies, filled polygons, lines and boxes, all clipped.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "canvas/image.hpp"
#include "world/rounding.hpp"

namespace quib {

// Scales the whole of `source` into the rectangle (x, y, w, h) of `target`. A pixel is
// painted when its centre lies inside the rectangle; it takes the source pixel under it.
void stretchPaint(Image& target, const Image& source, float x, float y, float w, float h);

// Fills the polygon: every pixel whose centre lies inside (even-odd rule). A polygon of no
// area paints nothing. Far-off points are fine: only the rows and columns of the target
// are ever visited.
void fillPolygon(Image& target, std::span<const Point> points, Rgb colour);

// A one-pixel line between the two points, both ends included.
void drawLine(Image& target, float x1, float y1, float x2, float y2, Rgb colour);
// The rectangle with these corners, both included: filled, or its outline only.
void fillBox(Image& target, float x1, float y1, float x2, float y2, Rgb colour);
void outlineBox(Image& target, float x1, float y1, float x2, float y2, Rgb colour);
// A drawing coordinate as a whole pixel, ties to even; nothing for one too far off the
// picture to draw (lines and boxes with such a corner draw nothing).
std::optional<std::int64_t> pixelOf(float v);
// Whole pixels from left to right and top to bottom, all included.
struct PixelBox {
  std::int64_t left, top, right, bottom;
};
// The box's pixels, clipped: filled, or its outline only. A level or upright line is a box
// one pixel high or wide.
void fillPixelBox(Image& target, const PixelBox& box, Rgb colour);
void outlinePixelBox(Image& target, const PixelBox& box, Rgb colour);
// Fills the whole pixels of the rectangle, clipped.
void fillRect(Image& target, const Rect& rect, Rgb colour);

}  // namespace quib
