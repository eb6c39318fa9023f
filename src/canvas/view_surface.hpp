// A view surface: a square memory picture on a backdrop, drawn on while hidden or shown.
#pragma once

#include <array>

#include "canvas/front_to_back.hpp"
#include "canvas/image.hpp"
#include "canvas/paint_target.hpp"

namespace quib {

class ViewSurface final : public PaintTarget {
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

  // Painting over what lies there, in painter's order.
  void stretchPaint(const Image& picture, float x, float y, float w, float h) override;
  void setDrawColour(Rgb colour) override { drawColour_ = colour; }
  void polygon(const std::array<Point, 4>& points) override;

  // A clear followed by a whole frame, painted the other way round: `compose` makes the
  // frame's paints on the FrontToBack it is handed, last first, and may stop once that is
  // full. Wherever no paint reaches, the backdrop shows, as after a clear.
  template <class Compose>
  void composeFrontToBack(Compose&& compose) {
    FrontToBack painter(pixels_, coverage_);
    compose(painter);
    painter.finish(backdrop_);
  }

  const Image& pixels() const { return pixels_; }

 private:
  Image backdrop_;
  Image pixels_;
  Rgb drawColour_ = 0;
  bool visible_ = false;
  RowCoverage coverage_;  // kept between frames for its memory
};

}  // namespace quib
