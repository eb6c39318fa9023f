// Pixel-exact, clipped drawing into pictures, independent of any window system.
#include "canvas/raster.hpp"

#include "canvas/spans.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace quib {
namespace {

// Lines and boxes are drawn from points near the picture; farther ones are not drawn.
constexpr std::int64_t kReach = 1 << 20;

// Row y from x0 to x1, both included, clipped.
void fillRun(Image& target, std::int64_t y, std::int64_t x0, std::int64_t x1, Rgb colour) {
  if (y < 0 || y >= target.height()) {
    return;
  }
  const std::int64_t from = std::max<std::int64_t>(x0, 0);
  const std::int64_t to = std::min<std::int64_t>(x1, target.width() - 1);
  if (from <= to) {
    Rgb* row = target.row(static_cast<int>(y));
    std::fill(row + from, row + to + 1, colour);
  }
}

// Column x from y0 to y1, both included, clipped.
void fillColumn(Image& target, std::int64_t x, std::int64_t y0, std::int64_t y1, Rgb colour) {
  if (x < 0 || x >= target.width()) {
    return;
  }
  const std::int64_t to = std::min<std::int64_t>(y1, target.height() - 1);
  for (std::int64_t y = std::max<std::int64_t>(y0, 0); y <= to; ++y) {
    target.set(static_cast<int>(x), static_cast<int>(y), colour);
  }
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
  const auto ax = pixelOf(x1);
  const auto ay = pixelOf(y1);
  const auto bx = pixelOf(x2);
  const auto by = pixelOf(y2);
  if (!ax || !ay || !bx || !by) {
    return std::nullopt;
  }
  return Ends{*ax, *ay, *bx, *by};
}

PixelBox boxAround(const Ends& ends) {
  return {std::min(ends.x1, ends.x2), std::min(ends.y1, ends.y2), std::max(ends.x1, ends.x2),
          std::max(ends.y1, ends.y2)};
}

// Walks from the first point to the second (Bresenham), keeping the direction given.
void walkLine(Image& target, const Ends& ends, Rgb colour) {
  std::int64_t x = ends.x1;
  std::int64_t y = ends.y1;
  const std::int64_t ex = ends.x2;
  const std::int64_t ey = ends.y2;
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

}  // namespace

void stretchPaint(Image& target, const Image& source, float x, float y, float w, float h) {
  const StretchMap map(source, x, y, w, h, target.width(), target.height());
  if (map.empty()) {
    return;
  }
  // One source column per target column, worked out once for all the rows.
  std::vector<int> columns(static_cast<std::size_t>(map.x1 - map.x0));
  for (int px = map.x0; px < map.x1; ++px) {
    columns[static_cast<std::size_t>(px - map.x0)] = map.sourceColumn(px);
  }
  for (int py = map.y0; py < map.y1; ++py) {
    const Rgb* from = source.row(map.sourceRow(py));
    Rgb* to = target.row(py);
    for (int px = map.x0; px < map.x1; ++px) {
      to[px] = from[columns[static_cast<std::size_t>(px - map.x0)]];
    }
  }
}

void fillPolygon(Image& target, std::span<const Point> points, Rgb colour) {
  const auto [row0, row1] = polygonRows(points, target.height());
  for (int py = row0; py < row1; ++py) {
    forEachPolygonSpan(points, py, target.width(), [&](int y, int x0, int x1) {
      std::fill(target.row(y) + x0, target.row(y) + x1, colour);
    });
  }
}

std::optional<std::int64_t> pixelOf(float v) {
  return roundToInt(v, -kReach, kReach);
}

void fillPixelBox(Image& target, const PixelBox& box, Rgb colour) {
  if (box.left == box.right) {
    fillColumn(target, box.left, box.top, box.bottom, colour);
    return;
  }
  for (std::int64_t y = std::max<std::int64_t>(box.top, 0);
       y <= std::min<std::int64_t>(box.bottom, target.height() - 1); ++y) {
    fillRun(target, y, box.left, box.right, colour);
  }
}

void outlinePixelBox(Image& target, const PixelBox& box, Rgb colour) {
  fillRun(target, box.top, box.left, box.right, colour);
  fillRun(target, box.bottom, box.left, box.right, colour);
  fillColumn(target, box.left, box.top, box.bottom, colour);
  fillColumn(target, box.right, box.top, box.bottom, colour);
}

void drawLine(Image& target, float x1, float y1, float x2, float y2, Rgb colour) {
  const auto ends = pixelEnds(x1, y1, x2, y2);
  if (!ends) {
    return;
  }
  // A level's plan is all level and upright lines: those are boxes a pixel high or wide, the
  // same pixels the walk below would plot.
  if (ends->y1 == ends->y2 || ends->x1 == ends->x2) {
    fillPixelBox(target, boxAround(*ends), colour);
    return;
  }
  walkLine(target, *ends, colour);
}

void fillBox(Image& target, float x1, float y1, float x2, float y2, Rgb colour) {
  if (const auto ends = pixelEnds(x1, y1, x2, y2)) {
    fillPixelBox(target, boxAround(*ends), colour);
  }
}

void outlineBox(Image& target, float x1, float y1, float x2, float y2, Rgb colour) {
  if (const auto ends = pixelEnds(x1, y1, x2, y2)) {
    outlinePixelBox(target, boxAround(*ends), colour);
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
