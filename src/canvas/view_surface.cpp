// A view surface: its backdrop, and clearing back to it.
#include "canvas/view_surface.hpp"

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

}  // namespace quib
