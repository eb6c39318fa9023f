// What the face painters and the side-wall drawing paint on: a view surface as it is, or a
// frame being painted front to back.
#pragma once

#include <array>

#include "canvas/image.hpp"

namespace quib {

class PaintTarget {
 public:
  virtual ~PaintTarget() = default;
  // The whole picture scaled into the rectangle (x, y, w, h), clipped.
  virtual void stretchPaint(const Image& picture, float x, float y, float w, float h) = 0;
  virtual void setDrawColour(Rgb colour) = 0;
  // The quadrilateral, filled in the drawing colour.
  virtual void polygon(const std::array<Point, 4>& points) = 0;
  // Drawing lands in memory at once, so there is nothing to flush.
  virtual void refresh() {}
};

}  // namespace quib
