// Pixel-exact, clipped drawing into pictures, independent of any window system.
#include "canvas/raster.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace quib {
namespace {

// Lines and boxes are drawn from points near the picture; farther ones are not drawn.
constexpr std::int64_t kReach = 1 << 20;

// The first and one past the last pixel whose centre lies in [from, to), clipped to
// [0, size).
std::pair<int, int> coveredPixels(double from, double to, int size) {
  const double first = std::clamp(std::ceil(from - 0.5), 0.0, static_cast<double>(size));
  const double end = std::clamp(std::ceil(to - 0.5), 0.0, static_cast<double>(size));
  return {static_cast<int>(first), static_cast<int>(end)};
}

void plot(Image& target, std::int64_t x, std::int64_t y, Rgb colour) {
  if (x >= 0 && y >= 0 && x < target.width() && y < target.height()) {
    target.set(static_cast<int>(x), static_cast<int>(y), colour);
  }
}

// Two points in whole pixels, in the order given.
struct Ends {
  std::int64_t x1, y1, x2, y2;
};

std::optional<Ends> pixelEnds(float x1, float y1, float x2, float y2) {
  const auto ax = roundToInt(x1, -kReach, kReach);
  const auto ay = roundToInt(y1, -kReach, kReach);
  const auto bx = roundToInt(x2, -kReach, kReach);
  const auto by = roundToInt(y2, -kReach, kReach);
  if (!ax || !ay || !bx || !by) {
    return std::nullopt;
  }
  return Ends{*ax, *ay, *bx, *by};
}

struct Box {
  std::int64_t left, top, right, bottom;
};

std::optional<Box> boxOf(float x1, float y1, float x2, float y2) {
  const auto ends = pixelEnds(x1, y1, x2, y2);
  if (!ends) {
    return std::nullopt;
  }
  return Box{std::min(ends->x1, ends->x2), std::min(ends->y1, ends->y2),
             std::max(ends->x1, ends->x2), std::max(ends->y1, ends->y2)};
}

}  // namespace

void stretchPaint(Image& target, const Image& source, float x, float y, float w, float h) {
  if (source.empty() || !(w > 0.0f && h > 0.0f) || !std::isfinite(x) || !std::isfinite(y) ||
      !std::isfinite(w) || !std::isfinite(h)) {
    return;
  }
  const double left = x;
  const double top = y;
  const auto [x0, x1] = coveredPixels(left, left + w, target.width());
  const auto [y0, y1] = coveredPixels(top, top + h, target.height());
  if (x0 >= x1 || y0 >= y1) {
    return;
  }
  const auto sourceIndex = [](int pixel, double origin, double extent, int size) {
    const double at = std::floor((pixel + 0.5 - origin) / extent * size);
    return static_cast<int>(std::clamp(at, 0.0, static_cast<double>(size - 1)));
  };
  std::vector<int> columns(static_cast<std::size_t>(x1 - x0));
  for (int px = x0; px < x1; ++px) {
    columns[static_cast<std::size_t>(px - x0)] = sourceIndex(px, left, w, source.width());
  }
  for (int py = y0; py < y1; ++py) {
    const Rgb* from = source.row(sourceIndex(py, top, h, source.height()));
    Rgb* to = target.row(py);
    for (int px = x0; px < x1; ++px) {
      to[px] = from[columns[static_cast<std::size_t>(px - x0)]];
    }
  }
}

void fillPolygon(Image& target, std::span<const Point> points, Rgb colour) {
  if (points.size() < 3) {
    return;
  }
  std::int64_t top = points[0].y;
  std::int64_t bottom = points[0].y;
  for (const Point& p : points) {
    top = std::min<std::int64_t>(top, p.y);
    bottom = std::max<std::int64_t>(bottom, p.y);
  }
  const auto [row0, row1] =
      coveredPixels(static_cast<double>(top), static_cast<double>(bottom), target.height());
  std::vector<double> crossings;
  for (int py = row0; py < row1; ++py) {
    const double centre = py + 0.5;
    crossings.clear();
    for (std::size_t k = 0; k < points.size(); ++k) {
      const Point& a = points[k];
      const Point& b = points[(k + 1) % points.size()];
      const double ay = a.y;
      const double by = b.y;
      if ((ay <= centre && centre < by) || (by <= centre && centre < ay)) {
        const double ax = a.x;
        const double bx = b.x;
        crossings.push_back(ax + (centre - ay) * (bx - ax) / (by - ay));
      }
    }
    std::sort(crossings.begin(), crossings.end());
    Rgb* row = target.row(py);
    for (std::size_t k = 0; k + 1 < crossings.size(); k += 2) {
      const auto [x0, x1] = coveredPixels(crossings[k], crossings[k + 1], target.width());
      std::fill(row + x0, row + std::max(x0, x1), colour);
    }
  }
}

void drawLine(Image& target, float x1, float y1, float x2, float y2, Rgb colour) {
  const auto ends = pixelEnds(x1, y1, x2, y2);
  if (!ends) {
    return;
  }
  // Walk from the first point to the second (Bresenham), keeping the direction given.
  std::int64_t x = ends->x1;
  std::int64_t y = ends->y1;
  const std::int64_t ex = ends->x2;
  const std::int64_t ey = ends->y2;
  const std::int64_t dx = std::llabs(ex - x);
  const std::int64_t dy = -std::llabs(ey - y);
  const std::int64_t stepX = x < ex ? 1 : -1;
  const std::int64_t stepY = y < ey ? 1 : -1;
  std::int64_t error = dx + dy;
  for (;;) {
    plot(target, x, y, colour);
    if (x == ex && y == ey) {
      return;
    }
    const std::int64_t twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x += stepX;
    }
    if (twice <= dx) {
      error += dx;
      y += stepY;
    }
  }
}

void fillBox(Image& target, float x1, float y1, float x2, float y2, Rgb colour) {
  const auto box = boxOf(x1, y1, x2, y2);
  if (!box) {
    return;
  }
  const std::int64_t left = std::max<std::int64_t>(box->left, 0);
  const std::int64_t right = std::min<std::int64_t>(box->right, target.width() - 1);
  for (std::int64_t y = std::max<std::int64_t>(box->top, 0);
       y <= std::min<std::int64_t>(box->bottom, target.height() - 1); ++y) {
    for (std::int64_t x = left; x <= right; ++x) {
      target.set(static_cast<int>(x), static_cast<int>(y), colour);
    }
  }
}

void outlineBox(Image& target, float x1, float y1, float x2, float y2, Rgb colour) {
  const auto box = boxOf(x1, y1, x2, y2);
  if (!box) {
    return;
  }
  for (std::int64_t x = box->left; x <= box->right; ++x) {
    plot(target, x, box->top, colour);
    plot(target, x, box->bottom, colour);
  }
  for (std::int64_t y = box->top; y <= box->bottom; ++y) {
    plot(target, box->left, y, colour);
    plot(target, box->right, y, colour);
  }
}

void fillRect(Image& target, const Rect& rect, Rgb colour) {
  const int left = std::max(rect.x, 0);
  const int right = std::min(rect.x + rect.w, target.width());
  for (int y = std::max(rect.y, 0); y < std::min(rect.y + rect.h, target.height()); ++y) {
    Rgb* row = target.row(y);
    std::fill(row + left, row + std::max(left, right), colour);
  }
}

}  // namespace quib
