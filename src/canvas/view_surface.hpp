// A view surface: a square memory picture on a backdrop, drawn on while hidden or shown.
#pragma once

#include <array>

#include "canvas/image.hpp"
#include "canvas/raster.hpp"

namespace quib {

class ViewSurface {
 public:
  static constexpr int kExtent = 521;  // 7815 twips at 15 twips a pixel
  static constexpr Rgb kBackColour = rgb(0, 0, 0);

  ViewSurface();

  // The backdrop sits at the top-left corner, unscaled; the back colour shows elsewhere.
  void setBackdrop(const Image& picture);
  // Everything drawn since the last clear goes; the backdrop remains.
  void clear();
  float extent() const { return static_cast<float>(kExtent); }

  bool visible() const { return visible_; }
  void setVisible(bool visible) { visible_ = visible; }

  void stretchPaint(const Image& picture, float x, float y, float w, float h);
  void setDrawColour(Rgb colour) { drawColour_ = colour; }
  // Fills the quadrilateral in the drawing colour.
  void polygon(const std::array<Point, 4>& points);
  // Drawing lands in memory at once, so there is nothing to flush.
  void refresh() {}

  const Image& pixels() const { return pixels_; }

 private:
  Image backdrop_;
  Image pixels_;
  Rgb drawColour_ = 0;
  bool visible_ = false;
};

}  // namespace quib
