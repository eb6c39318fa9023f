// The pictures are drawn point by point from the figures below: colours and places on the
// face, which are the artwork itself rather than numbers to be named.
// NOLINTBEGIN(readability-magic-numbers)
#include "tools/artwork.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>

#include "canvas/view_surface.hpp"

namespace quib::artwork {
namespace {

constexpr int kFace = 64;  // a face's side in pixels

Image paint(int w, int h, const std::function<Rgb(int, int)>& shade) {
  Image image(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      image.set(x, y, shade(x, y));
    }
  }
  return image;
}

Rgb mix(Rgb a, Rgb b, double t) {
  const auto channel = [&](int shift) {
    const double va = (a >> shift) & 0xff;
    const double vb = (b >> shift) & 0xff;
    return static_cast<std::uint8_t>(std::lround(va + (vb - va) * t));
  };
  return rgb(channel(16), channel(8), channel(0));
}

// Cheap repeatable grain, so flat areas do not look printed.
int grain(int x, int y) {
  std::uint32_t v =
      static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u;
  v = (v ^ (v >> 13)) * 1274126177u;
  return static_cast<int>((v >> 24) % 17) - 8;
}

Rgb shift(Rgb colour, int by) {
  const auto channel = [&](int s) {
    return static_cast<std::uint8_t>(
        std::clamp(static_cast<int>((colour >> s) & 0xff) + by, 0, 255));
  };
  return rgb(channel(16), channel(8), channel(0));
}

}  // namespace

// Ceiling above, floor below, meeting at the view's horizon, the middle row of the view.
Image backdrop() {
  constexpr int kSide = quib::ViewSurface::kExtent;
  constexpr int kHorizon = kSide / 2;
  return paint(kSide, kSide, [](int x, int y) {
    if (y < kHorizon) {
      return shift(mix(rgb(40, 44, 60), rgb(96, 100, 118), y / double{kHorizon}), grain(x, y) / 3);
    }
    if (y == kHorizon) {
      return rgb(30, 30, 30);
    }
    return shift(mix(rgb(70, 62, 50), rgb(150, 136, 110), (y - kHorizon) / double{kHorizon}),
                 grain(x, y) / 2);
  });
}

Image brickWall() {
  return paint(kFace, kFace, [](int x, int y) {
    const int course = y / 8;
    const int offset = (course % 2) * 8;
    const bool mortar = y % 8 == 7 || (x + offset) % 16 == 15;
    const Rgb brick = (course + (x + offset) / 16) % 3 == 0 ? rgb(150, 72, 44) : rgb(132, 60, 38);
    return shift(mortar ? rgb(170, 164, 150) : brick, grain(x, y));
  });
}

Image door() {
  return paint(kFace, kFace, [](int x, int y) {
    if (x < 4 || x > 59 || y < 4) {
      return rgb(60, 40, 24);  // frame
    }
    if (x >= 48 && x <= 52 && y >= 32 && y <= 36) {
      return rgb(230, 200, 80);  // knob
    }
    const bool seam = (x - 4) % 11 == 0;
    return shift(seam ? rgb(90, 58, 30) : rgb(156, 104, 56),
                 grain(x, y) / 2 + (x % 11 == 3 ? 6 : 0));
  });
}

Image lift() {
  return paint(kFace, kFace, [](int x, int y) {
    if (x < 3 || x > 60 || y < 10) {
      return y < 10 && x >= 26 && x <= 37 && y >= 3 && y <= 7 ? rgb(255, 160, 40)  // floor light
                                                              : rgb(70, 74, 80);
    }
    if (x == 31 || x == 32) {
      return rgb(20, 20, 24);  // the gap between the two leaves
    }
    const double sheen = 0.5 + 0.5 * std::cos((x % 29) / 29.0 * 3.14159);
    return shift(mix(rgb(150, 156, 164), rgb(205, 210, 218), sheen), grain(x, y) / 4);
  });
}

Image powerSwitch() {
  return paint(kFace, kFace, [](int x, int y) {
    const bool plate = x >= 18 && x <= 45 && y >= 12 && y <= 51;
    if (!plate) {
      return shift(rgb(88, 92, 88), grain(x, y) / 2);
    }
    if (x >= 28 && x <= 35 && y >= 18 && y <= 34) {
      return rgb(40, 200, 60);  // lever, up: power on
    }
    if (std::hypot(x - 31.5, y - 44.0) < 3.5) {
      return rgb(255, 60, 40);  // lamp
    }
    return rgb(210, 206, 190);
  });
}

}  // namespace quib::artwork
// NOLINTEND(readability-magic-numbers)
