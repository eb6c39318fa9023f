// Whole-number scaling keeps every picture pixel a crisp square of window pixels.
#include "canvas/fit.hpp"

#include <algorithm>

#include "canvas/raster.hpp"

namespace quib {

Rect fitPicture(int pictureWidth, int pictureHeight, int windowWidth, int windowHeight) {
  if (pictureWidth <= 0 || pictureHeight <= 0 || windowWidth <= 0 || windowHeight <= 0) {
    return {};
  }
  const int factor = std::min(windowWidth / pictureWidth, windowHeight / pictureHeight);
  int width = pictureWidth * factor;
  int height = pictureHeight * factor;
  if (factor == 0) {
    // Too small even for 1x: the side that limits fills the window, the other follows.
    const double scale = std::min(static_cast<double>(windowWidth) / pictureWidth,
                                  static_cast<double>(windowHeight) / pictureHeight);
    width = std::max(1, static_cast<int>(pictureWidth * scale));
    height = std::max(1, static_cast<int>(pictureHeight * scale));
  }
  return {(windowWidth - width) / 2, (windowHeight - height) / 2, width, height};
}

void paintFitted(Image& window, const Image& picture, Rgb back) {
  const Rect place = fitPicture(picture.width(), picture.height(), window.width(), window.height());
  window.fill(back);
  stretchPaint(window, picture, static_cast<float>(place.x), static_cast<float>(place.y),
               static_cast<float>(place.w), static_cast<float>(place.h));
}

}  // namespace quib
