// Fitting a picture into a window of any size: whole-number scales where they fit, centred;
// and fitting windows into a screen.
#pragma once

#include "canvas/image.hpp"

namespace quib {

// Pixels borrowed from elsewhere, such as a window's surface: `pitch` pixels from the start
// of one row to the start of the next.
struct BorrowedPixels {
  Rgb* pixels = nullptr;
  int width = 0;
  int height = 0;
  int pitch = 0;

  static BorrowedPixels of(Image& image) {
    return {image.empty() ? nullptr : image.row(0), image.width(), image.height(), image.width()};
  }
  Rgb* row(int y) const { return pixels + static_cast<std::ptrdiff_t>(y) * pitch; }
};

// Where a picture of the given size lands in a window: scaled by the largest whole factor
// that fits, or, in a window smaller than the picture, shrunk with its aspect kept; centred.
Rect fitPicture(int pictureWidth, int pictureHeight, int windowWidth, int windowHeight);

// Paints `picture` into `window` at fitPicture's place, nearest pixel; `back` elsewhere.
void paintFitted(Image& window, const Image& picture, Rgb back);
void paintFitted(BorrowedPixels window, const Image& picture, Rgb back);

// Paints the part `part` of `picture` (in picture pixels) into `window`, the whole picture
// lying at `place`: a whole multiple of its size, each picture pixel a square of window
// pixels. Returns the window pixels painted.
Rect paintScaled(BorrowedPixels window, const Image& picture, const Rect& place, const Rect& part);

// The largest whole factor from 1 to `asked` at which a client area of `client` fits in
// `room`; 1 when not even that fits.
int fittingScale(int asked, Size client, Size room);

// Where a window of `size` asked for at `wanted` goes: moved the least that keeps it inside
// `room`, or at room's left (top) edge where it is wider (higher) than the room.
Point placeWithin(Point wanted, Size size, const Rect& room);

}  // namespace quib
