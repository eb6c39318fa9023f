// Front-to-back painting on per-row runs of painted pixels.
#include "canvas/front_to_back.hpp"

#include <algorithm>

#include "canvas/spans.hpp"

namespace quib {

void RowCoverage::reset(int width, int height) {
  width_ = width;
  fullRows_ = 0;
  rows_.resize(static_cast<std::size_t>(height));
  for (std::vector<Run>& row : rows_) {
    row.clear();
  }
  full_.assign(static_cast<std::size_t>(height), 0);
  open_.resize(static_cast<std::size_t>(height) + 1);
  for (int y = 0; y <= height; ++y) {
    open_[static_cast<std::size_t>(y)] = y;
  }
}

int RowCoverage::openRow(int y) const {
  int open = y;
  while (open_[static_cast<std::size_t>(open)] != open) {
    open = open_[static_cast<std::size_t>(open)];
  }
  while (open_[static_cast<std::size_t>(y)] != open) {
    const int next = open_[static_cast<std::size_t>(y)];
    open_[static_cast<std::size_t>(y)] = open;
    y = next;
  }
  return open;
}

bool RowCoverage::covered(int x0, int x1, int y0, int y1) const {
  for (int y = openRow(y0); y < y1; y = openRow(y + 1)) {
    const std::vector<Run>& row = rows_[static_cast<std::size_t>(y)];
    // The first run that ends past x0 must hold all of [x0, x1).
    const auto run = std::upper_bound(row.begin(), row.end(), x0,
                                      [](int x, const Run& r) { return x < r.second; });
    if (run == row.end() || run->first > x0 || run->second < x1) {
      return false;
    }
  }
  return true;
}

void RowCoverage::cover(std::vector<Run>& row, int y, int x0, int x1) {
  // The runs that touch or overlap [x0, x1) merge with it into one.
  auto first = std::lower_bound(row.begin(), row.end(), x0,
                                [](const Run& run, int x) { return run.second < x; });
  auto last = first;
  int from = x0;
  int to = x1;
  while (last != row.end() && last->first <= x1) {
    from = std::min(from, last->first);
    to = std::max(to, last->second);
    ++last;
  }
  first = row.erase(first, last);
  row.insert(first, Run{from, to});
  if (row.size() == 1 && row.front().first <= 0 && row.front().second >= width_) {
    full_[static_cast<std::size_t>(y)] = 1;
    open_[static_cast<std::size_t>(y)] = y + 1;
    ++fullRows_;
  }
}

FrontToBack::FrontToBack(Image& target, RowCoverage& coverage)
    : target_(target), coverage_(coverage) {
  coverage_.reset(target.width(), target.height());
}

void FrontToBack::stretchPaint(const Image& picture, float x, float y, float w, float h) {
  const StretchMap map(picture, x, y, w, h, target_.width(), target_.height());
  if (map.empty() || coverage_.covered(map.x0, map.x1, map.y0, map.y1)) {
    return;
  }
  // The source columns are worked out once, and a source row stretched once serves every
  // target row it falls on.
  const auto width = static_cast<std::size_t>(map.x1 - map.x0);
  columns_.clear();
  int stretchedRow = -1;
  for (int py = coverage_.openRow(map.y0); py < map.y1; py = coverage_.openRow(py + 1)) {
    Rgb* to = target_.row(py);
    coverage_.claim(py, map.x0, map.x1, [&](int a, int b) {
      if (columns_.empty()) {
        columns_.resize(width);
        for (int px = map.x0; px < map.x1; ++px) {
          columns_[static_cast<std::size_t>(px - map.x0)] = map.sourceColumn(px);
        }
      }
      const int sourceRow = map.sourceRow(py);
      if (sourceRow != stretchedRow) {
        const Rgb* from = picture.row(sourceRow);
        stretched_.resize(width);
        for (std::size_t k = 0; k < width; ++k) {
          stretched_[k] = from[columns_[k]];
        }
        stretchedRow = sourceRow;
      }
      std::copy(stretched_.begin() + (a - map.x0), stretched_.begin() + (b - map.x0), to + a);
    });
  }
}

void FrontToBack::polygon(const std::array<Point, 4>& points) {
  const auto [row0, row1] = polygonRows(points, target_.height());
  if (row0 >= row1) {
    return;
  }
  // Its pixels lie within the columns of its corners.
  auto [left, right] = std::minmax({points[0].x, points[1].x, points[2].x, points[3].x});
  const int x0 = std::clamp(left, 0, target_.width());
  const int x1 = std::clamp(right + 1, 0, target_.width());
  if (x0 >= x1 || coverage_.covered(x0, x1, row0, row1)) {
    return;
  }
  for (int py = coverage_.openRow(row0); py < row1; py = coverage_.openRow(py + 1)) {
    if (coverage_.covered(x0, x1, py, py + 1)) {
      continue;
    }
    Rgb* row = target_.row(py);
    forEachPolygonSpan(points, py, target_.width(), [&](int y, int a0, int a1) {
      coverage_.claim(y, a0, a1, [&](int a, int b) { std::fill(row + a, row + b, drawColour_); });
    });
  }
}

void FrontToBack::finish(const Image& backdrop) {
  coverage_.forEachFree([&](int y, int a, int b) {
    std::copy(backdrop.row(y) + a, backdrop.row(y) + b, target_.row(y) + a);
  });
}

}  // namespace quib
