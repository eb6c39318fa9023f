// View surface drawing, delegated to the clipped raster operations.
#include "canvas/view_surface.hpp"

#include "canvas/raster.hpp"

namespace quib {

ViewSurface::ViewSurface()
    : backdrop_(kExtent, kExtent, kBackColour), pixels_(kExtent, kExtent, kBackColour) {}

void ViewSurface::setBackdrop(const Image& picture) {
  backdrop_ = Image(kExtent, kExtent, kBackColour);
  backdrop_.blit(picture, 0, 0);
  clear();
}

void ViewSurface::clear() {
  pixels_ = backdrop_;
}

void ViewSurface::stretchPaint(const Image& picture, float x, float y, float w, float h) {
  quib::stretchPaint(pixels_, picture, x, y, w, h);
}

void ViewSurface::polygon(const std::array<Point, 4>& points) {
  fillPolygon(pixels_, points, drawColour_);
}

}  // namespace quib
