// The stored layouts of the two windows, in twips (15 to a pixel), converted once, here.
#pragma once

#include "canvas/image.hpp"
#include "canvas/view_surface.hpp"
#include "canvas/window_surface.hpp"

namespace quib {

inline constexpr int kTwipsPerPixel = 15;

// A stored figure in pixels. Every stored figure is a whole number of pixels; one that is
// not stops the build.
consteval int fromTwips(int twips) {
  if (twips % kTwipsPerPixel != 0) {
    throw "a stored layout figure that is not a whole number of pixels";
  }
  return twips / kTwipsPerPixel;
}

// The start screen, Form2.
namespace form2 {
inline constexpr const char* kCaption = "Form2";
inline constexpr Size kClient{fromTwips(4680), fromTwips(3195)};
// Image1: the start picture, stretched to fill it.
inline constexpr Rect kImage1{fromTwips(1200), fromTwips(240), fromTwips(2160), fromTwips(1680)};
// Command1: the push button, first in the focus order.
inline constexpr Rect kCommand1{fromTwips(1560), fromTwips(2520), fromTwips(1455), fromTwips(495)};
inline constexpr const char* kCommand1Caption = "Start";
inline constexpr const char* kCommand1Tooltip = "Добро пожаловать";
}  // namespace form2

// The game window, Form1.
namespace form1 {
inline constexpr const char* kCaption = "Find Quib, please";
// Where its client area goes on the screen, where the window system allows.
inline constexpr Point kPosition{fromTwips(2970), fromTwips(1395)};
// Start-up lays both view surfaces here, one over the other.
inline constexpr int kViewSurfaceCorner = 240;
inline constexpr int kViewSurfaceSide = 7815;
static_assert(fromTwips(kViewSurfaceCorner) == kViewLeft);
static_assert(fromTwips(kViewSurfaceCorner) == kViewTop);
static_assert(fromTwips(kViewSurfaceSide) == ViewSurface::kExtent);
}  // namespace form1

}  // namespace quib
