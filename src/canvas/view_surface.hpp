// A view surface: a square memory picture on a backdrop, drawn on while hidden or shown.
#pragma once

#include "canvas/front_to_back.hpp"
#include "canvas/image.hpp"

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
  bool visible_ = false;
  RowCoverage coverage_;  // kept between frames for its memory
};

}  // namespace quib
