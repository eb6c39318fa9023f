// Comparing a square's row before copying it: most of a picture stays from one key to the next.
#include "canvas/picture_changes.hpp"

#include <algorithm>
#include <cstring>

namespace quib {
namespace {

Rect intersection(const Rect& a, const Rect& b) {
  const int left = std::max(a.x, b.x);
  const int top = std::max(a.y, b.y);
  const int right = std::min(a.x + a.w, b.x + b.w);
  const int bottom = std::min(a.y + a.h, b.y + b.h);
  if (left >= right || top >= bottom) {
    return {};
  }
  return {left, top, right - left, bottom - top};
}

}  // namespace

void copyChanges(Image& into, const Image& from, Point at, const Rect& region,
                 std::vector<Rect>& changed) {
  const Rect area = intersection(intersection(region, {0, 0, into.width(), into.height()}),
                                 {at.x, at.y, from.width(), from.height()});
  if (area.w == 0) {
    return;
  }
  const std::size_t first = changed.size();  // the bands of this copy may be joined
  const int right = area.x + area.w;
  for (int band = area.y; band < area.y + area.h;) {
    const int bandEnd = std::min(area.y + area.h, (band / kChangeTile + 1) * kChangeTile);
    int changedLeft = right;
    int changedRight = area.x;
    for (int y = band; y < bandEnd; ++y) {
      Rgb* to = into.row(y);
      const Rgb* source = from.row(y - at.y);
      for (int x = area.x; x < right;) {
        const int end = std::min(right, (x / kChangeTile + 1) * kChangeTile);
        const std::size_t bytes = static_cast<std::size_t>(end - x) * sizeof(Rgb);
        if (std::memcmp(to + x, source + (x - at.x), bytes) != 0) {
          std::memcpy(to + x, source + (x - at.x), bytes);
          changedLeft = std::min(changedLeft, x);
          changedRight = std::max(changedRight, end);
        }
        x = end;
      }
    }
    if (changedLeft < changedRight) {
      const Rect rect{changedLeft, band, changedRight - changedLeft, bandEnd - band};
      Rect* above = changed.size() > first ? &changed.back() : nullptr;
      if (above != nullptr && above->x == rect.x && above->w == rect.w &&
          above->y + above->h == rect.y) {
        above->h += rect.h;
      } else {
        changed.push_back(rect);
      }
    }
    band = bandEnd;
  }
}

std::vector<Rect> outside(const Rect& rect, const Rect& hole) {
  const Rect inside = intersection(rect, hole);
  if (inside.w == 0) {
    return rect.w > 0 && rect.h > 0 ? std::vector<Rect>{rect} : std::vector<Rect>{};
  }
  std::vector<Rect> parts;
  const auto add = [&parts](Rect part) {
    if (part.w > 0 && part.h > 0) {
      parts.push_back(part);
    }
  };
  add({rect.x, rect.y, rect.w, inside.y - rect.y});                                       // above
  add({rect.x, inside.y, inside.x - rect.x, inside.h});                                   // left
  add({inside.x + inside.w, inside.y, rect.x + rect.w - inside.x - inside.w, inside.h});  // right
  add({rect.x, inside.y + inside.h, rect.w, rect.y + rect.h - inside.y - inside.h});      // below
  return parts;
}

}  // namespace quib
