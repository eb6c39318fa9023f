// The game's picture as shapes on a 32-unit square, sampled at every pixel's centre, so that
// each size is drawn afresh and stays crisp. The shapes' figures, places on that square, are
// the drawing itself rather than numbers to be named.
// NOLINTBEGIN(readability-magic-numbers)
#include "ui/quib_picture.hpp"

#include <cmath>

namespace quib {
namespace {

constexpr double kUnits = 32.0;

// Of the 16 colours of the classic icon palette.
constexpr Rgb kRed = rgb(255, 0, 0);
constexpr Rgb kGrey = rgb(128, 128, 128);

struct Vec {
  double x = 0;
  double y = 0;
};

Vec operator-(Vec a, Vec b) {
  return {a.x - b.x, a.y - b.y};
}
Vec operator+(Vec a, Vec b) {
  return {a.x + b.x, a.y + b.y};
}
Vec operator*(Vec a, double k) {
  return {a.x * k, a.y * k};
}
double dot(Vec a, Vec b) {
  return a.x * b.x + a.y * b.y;
}
double cross(Vec a, Vec b) {
  return a.x * b.y - a.y * b.x;
}

bool inBox(Vec p, double left, double top, double right, double bottom) {
  return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
}

enum class Side { kTop, kRight, kBottom, kLeft };

// A square band from `from` to `to` on both axes, `width` thick, open on one side where
// the maze's corridor passes through.
struct Band {
  double from, to, width;
  Side open;
  Rgb colour;

  bool covers(Vec p) const {
    if (!inBox(p, from, from, to, to) ||
        inBox(p, from + width, from + width, to - width, to - width)) {
      return false;
    }
    constexpr double kGapFrom = 14.0;
    constexpr double kGapTo = 18.0;
    switch (open) {
      case Side::kTop:
        return !(p.y < from + width && p.x >= kGapFrom && p.x < kGapTo);
      case Side::kRight:
        return !(p.x >= to - width && p.y >= kGapFrom && p.y < kGapTo);
      case Side::kBottom:
        return !(p.y >= to - width && p.x >= kGapFrom && p.x < kGapTo);
      case Side::kLeft:
        return !(p.x < from + width && p.y >= kGapFrom && p.y < kGapTo);
    }
    return true;
  }
};

constexpr Band kBands[] = {
    {1, 31, 2, Side::kBottom, kRed},
    {5, 27, 2, Side::kTop, kGrey},
    {9, 23, 2, Side::kLeft, kRed},
};

bool figure(Vec p) {
  const Vec head{16.0, 13.3};
  const Vec offset = p - head;
  return dot(offset, offset) < 1.7 * 1.7 || inBox(p, 15.0, 15.0, 17.0, 18.4) ||  // body
         inBox(p, 13.2, 15.4, 18.8, 16.4) ||                                     // arms
         inBox(p, 14.6, 18.4, 15.6, 20.2) || inBox(p, 16.4, 18.4, 17.4, 20.2);   // legs
}

// From the top-right corner down to just above the figure's head.
bool arrow(Vec p) {
  const Vec tail{29.0, 3.0};
  const Vec tip{17.7, 11.7};
  const Vec along = tip - tail;
  const double length = std::sqrt(dot(along, along));
  const Vec unit = along * (1.0 / length);
  const Vec across{-unit.y, unit.x};
  constexpr double kHeadLength = 3.4;
  constexpr double kHeadHalfWidth = 2.0;
  constexpr double kShaftHalfWidth = 0.7;
  const Vec base = tip - unit * kHeadLength;
  // The shaft: within its half width of the segment from the tail to the head's base.
  const double t = dot(p - tail, unit);
  if (t >= 0 && t <= length - kHeadLength && std::abs(dot(p - tail, across)) <= kShaftHalfWidth) {
    return true;
  }
  // The head: a triangle, its corners in turn.
  const Vec a = base + across * kHeadHalfWidth;
  const Vec b = tip;
  const Vec c = base - across * kHeadHalfWidth;
  const double ab = cross(b - a, p - a);
  const double bc = cross(c - b, p - b);
  const double ca = cross(a - c, p - c);
  return (ab >= 0 && bc >= 0 && ca >= 0) || (ab <= 0 && bc <= 0 && ca <= 0);
}

// The topmost shape at a point of the 32-unit square.
Rgb shade(Vec p) {
  if (arrow(p)) {
    return rgb(0, 255, 255);  // cyan
  }
  if (figure(p)) {
    return rgb(255, 255, 0);  // yellow
  }
  if (inBox(p, 11.0, 11.0, 21.0, 21.0)) {
    return rgb(0, 128, 0);  // green
  }
  for (const Band& band : kBands) {
    if (band.covers(p)) {
      return band.colour;
    }
  }
  return rgb(0, 0, 0);  // the corridors
}

}  // namespace

Image drawQuibPicture(int width, int height) {
  Image picture(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      picture.set(x, y, shade({(x + 0.5) * kUnits / width, (y + 0.5) * kUnits / height}));
    }
  }
  return picture;
}

}  // namespace quib
// NOLINTEND(readability-magic-numbers)
