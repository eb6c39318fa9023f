// Whole-number scaling keeps every picture pixel a crisp square of window pixels.
#include "canvas/fit.hpp"

#include <algorithm>
#include <cstring>

#include "canvas/raster.hpp"

namespace quib {
namespace {

// One picture row widened `factor` times; the factors a screen takes get loops of their own
// that the compiler unrolls.
template <int kFactor>
void widen(Rgb* to, const Rgb* from, int count) {
  for (int i = 0; i < count; ++i) {
    const Rgb pixel = from[i];
    for (int k = 0; k < kFactor; ++k) {
      to[k] = pixel;
    }
    to += kFactor;
  }
}

void widen(Rgb* to, const Rgb* from, int count, int factor) {
  switch (factor) {
    case 1:
      std::memcpy(to, from, static_cast<std::size_t>(count) * sizeof(Rgb));
      return;
    case 2:
      widen<2>(to, from, count);
      return;
    case 3:
      widen<3>(to, from, count);
      return;
    case 4:
      widen<4>(to, from, count);
      return;
    default:
      for (int i = 0; i < count; ++i) {
        std::fill_n(to + static_cast<std::ptrdiff_t>(i) * factor, factor, from[i]);
      }
  }
}

void fill(BorrowedPixels window, const Rect& rect, Rgb colour) {
  const int left = std::max(rect.x, 0);
  const int right = std::min(rect.x + rect.w, window.width);
  for (int y = std::max(rect.y, 0); y < std::min(rect.y + rect.h, window.height); ++y) {
    std::fill(window.row(y) + left, window.row(y) + std::max(left, right), colour);
  }
}

}  // namespace

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
  if (place.w >= picture.width()) {
    paintFitted(BorrowedPixels::of(window), picture, back);
    return;
  }
  window.fill(back);
  stretchPaint(window, picture, static_cast<float>(place.x), static_cast<float>(place.y),
               static_cast<float>(place.w), static_cast<float>(place.h));
}

void paintFitted(BorrowedPixels window, const Image& picture, Rgb back) {
  const Rect place = fitPicture(picture.width(), picture.height(), window.width, window.height);
  if (place.w < picture.width()) {
    // Shrunk: no whole factor; drawn through a picture of the window's size.
    Image shrunk(window.width, window.height);
    paintFitted(shrunk, picture, back);
    for (int y = 0; y < window.height; ++y) {
      std::copy(shrunk.row(y), shrunk.row(y) + window.width, window.row(y));
    }
    return;
  }
  // The back colour only around the picture: each pixel is painted once.
  fill(window, {0, 0, window.width, place.y}, back);
  fill(window, {0, place.y, place.x, place.h}, back);
  fill(window, {place.x + place.w, place.y, window.width - place.x - place.w, place.h}, back);
  fill(window, {0, place.y + place.h, window.width, window.height - place.y - place.h}, back);
  paintScaled(window, picture, place, {0, 0, picture.width(), picture.height()});
}

Rect paintScaled(BorrowedPixels window, const Image& picture, const Rect& place, const Rect& part) {
  if (picture.empty() || place.w < picture.width()) {
    return {};
  }
  const int factor = place.w / picture.width();
  // Only what lies inside both the picture and the window.
  const int left = std::max({part.x, 0, (-place.x + factor - 1) / factor});
  const int top = std::max({part.y, 0, (-place.y + factor - 1) / factor});
  const int right = std::min({part.x + part.w, picture.width(), (window.width - place.x) / factor});
  const int bottom =
      std::min({part.y + part.h, picture.height(), (window.height - place.y) / factor});
  if (left >= right || top >= bottom) {
    return {};
  }
  const int count = right - left;
  const std::size_t bytes = static_cast<std::size_t>(count) * factor * sizeof(Rgb);
  for (int y = top; y < bottom; ++y) {
    Rgb* first =
        window.row(place.y + y * factor) + place.x + static_cast<std::ptrdiff_t>(left) * factor;
    widen(first, picture.row(y) + left, count, factor);
    for (int k = 1; k < factor; ++k) {
      std::memcpy(first + static_cast<std::ptrdiff_t>(k) * window.pitch, first, bytes);
    }
  }
  return {place.x + left * factor, place.y + top * factor, count * factor, (bottom - top) * factor};
}

int fittingScale(int asked, Size client, Size room) {
  if (client.width <= 0 || client.height <= 0) {
    return std::max(asked, 1);
  }
  const int fits = std::min(room.width / client.width, room.height / client.height);
  return std::max(1, std::min(asked, fits));
}

Point placeWithin(Point wanted, Size size, const Rect& room) {
  const auto along = [](int at, int length, int start, int extent) {
    return std::max(start, std::min(at, start + extent - length));
  };
  return {along(wanted.x, size.width, room.x, room.w),
          along(wanted.y, size.height, room.y, room.h)};
}

}  // namespace quib
