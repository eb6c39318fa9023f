// Fitting a picture into a window of any size: whole-number scales where they fit, centred.
#pragma once

#include "canvas/image.hpp"

namespace quib {

// Where a picture of the given size lands in a window: scaled by the largest whole factor
// that fits, or, in a window smaller than the picture, shrunk with its aspect kept; centred.
Rect fitPicture(int pictureWidth, int pictureHeight, int windowWidth, int windowHeight);

// Paints `picture` into `window` at fitPicture's place, nearest pixel; `back` elsewhere.
void paintFitted(Image& window, const Image& picture, Rgb back);

}  // namespace quib
