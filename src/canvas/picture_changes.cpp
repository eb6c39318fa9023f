// Comparing a row before copying it: most of a picture stays from one key to the next.
#include "canvas/picture_changes.hpp"

#include <algorithm>
#include <cstring>
#include <optional>
#include <utility>

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

// Pixels are compared eight at a time, in a loop the compiler turns into a few wide steps.
constexpr int kStride = 8;

Rgb differences(const Rgb* a, const Rgb* b) {
  Rgb bits = 0;
  for (int k = 0; k < kStride; ++k) {
    bits |= a[k] ^ b[k];
  }
  return bits;
}

// Where two rows that differ first differ, from the left and from the right.
int firstDifference(const Rgb* a, const Rgb* b, int count) {
  int i = 0;
  while (i + kStride <= count && differences(a + i, b + i) == 0) {
    i += kStride;
  }
  while (a[i] == b[i]) {
    ++i;
  }
  return i;
}

int lastDifference(const Rgb* a, const Rgb* b, int count) {
  int end = count;
  while (end >= kStride && differences(a + end - kStride, b + end - kStride) == 0) {
    end -= kStride;
  }
  int i = end - 1;
  while (a[i] == b[i]) {
    --i;
  }
  return i;
}

// Copies a row of `width` pixels where it differs; the columns [first, end) it copied, if any.
std::optional<std::pair<int, int>> copyChangedRow(Rgb* to, const Rgb* source, int width) {
  // Most rows are alike, or alike but for a stretch: one comparison finds the first kind, and
  // the stretch is found from both ends, then copied whole.
  if (std::memcmp(to, source, static_cast<std::size_t>(width) * sizeof(Rgb)) == 0) {
    return std::nullopt;
  }
  const int first = firstDifference(to, source, width);
  const int last = lastDifference(to, source, width);
  std::memcpy(to + first, source + first, static_cast<std::size_t>(last - first + 1) * sizeof(Rgb));
  return std::pair<int, int>{first, last + 1};
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
      Rgb* to = into.row(y) + area.x;
      const Rgb* source = from.row(y - at.y) + (area.x - at.x);
      if (const auto columns = copyChangedRow(to, source, area.w)) {
        changedLeft = std::min(changedLeft, area.x + columns->first);
        changedRight = std::max(changedRight, area.x + columns->second);
      }
    }
    if (changedLeft < changedRight) {
      // Whole squares: the bands of a change that spreads downwards then share their columns.
      changedLeft = std::max(area.x, changedLeft / kChangeTile * kChangeTile);
      changedRight = std::min(right, (changedRight + kChangeTile - 1) / kChangeTile * kChangeTile);
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
