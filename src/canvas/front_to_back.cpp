// Front-to-back painting on per-row runs of painted pixels.
#include "canvas/front_to_back.hpp"

#include <algorithm>

#include "canvas/spans.hpp"

namespace quib {

void RowCoverage::reset(int width, int height) {
  width_ = width;
  height_ = height;
  wordsPerRow_ = (static_cast<std::size_t>(width) + kBits - 1) / kBits;
  fullRows_ = 0;
  bits_.assign(wordsPerRow_ * static_cast<std::size_t>(height), 0);
  painted_.assign(static_cast<std::size_t>(height), 0);
  open_.resize(static_cast<std::size_t>(height) + 1);
  for (int y = 0; y <= height; ++y) {
    open_[static_cast<std::size_t>(y)] = y;
  }
}

int RowCoverage::openRowAfterFull(int y) const {
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
  if (x0 >= x1) {
    return true;
  }
  const Columns columns(x0, x1);
  for (int y = openRow(y0); y < y1; y = openRow(y + 1)) {
    const Word* row = words(y);
    for (unsigned w = columns.first; w <= columns.last; ++w) {
      const Word want = columns.mask(w);
      if ((row[w] & want) != want) {
        return false;
      }
    }
  }
  return true;
}

void RowCoverage::markFull(int y) {
  open_[static_cast<std::size_t>(y)] = y + 1;
  ++fullRows_;
}

FrontToBack::FrontToBack(Image& target, RowCoverage& coverage)
    : target_(target), coverage_(coverage) {
  coverage_.reset(target.width(), target.height());
}

namespace {

// Four pixels a store where the run allows: the compiler joins the four into one.
void fillPixels(Rgb* at, Rgb* end, Rgb colour) {
  constexpr std::ptrdiff_t kFour = 4;
  for (; end - at >= kFour; at += kFour) {
    at[0] = colour;
    at[1] = colour;
    at[2] = colour;
    at[3] = colour;
  }
  for (; at != end; ++at) {
    *at = colour;
  }
}

}  // namespace

void FrontToBack::paint(StretchedPicture& picture, int x0, int x1) {
  // A claim that finds its run painted costs what a test of it would, so there is none.
  const StretchMap& map = picture.map();
  x0 = std::max(x0, map.x0);
  x1 = std::min(x1, map.x1);
  if (map.empty() || x0 >= x1) {
    return;
  }
  const RowCoverage::Columns columns(x0, x1);
  for (int py = coverage_.openRow(map.y0); py < map.y1; py = coverage_.openRow(py + 1)) {
    coverage_.claim(py, columns, [&](int a, int b) {
      const Rgb* from = picture.row(py);
      std::copy(from + (a - map.x0), from + (b - map.x0), target_.row(py) + a);
    });
  }
}

void FrontToBack::fill(PolygonSpans& polygon, Rgb colour) {
  // Working a row out costs more than testing its box: a side wall none of whose rows is
  // known yet is tested first.
  if (polygon.empty() || (!polygon.started() &&
                          coverage_.covered(polygon.x0, polygon.x1, polygon.row0, polygon.row1))) {
    return;
  }
  for (int py = coverage_.openRow(polygon.row0); py < polygon.row1;
       py = coverage_.openRow(py + 1)) {
    auto runs = polygon.knownRuns(py);
    if (!runs) {
      if (coverage_.covered(polygon.x0, polygon.x1, py, py + 1)) {
        continue;
      }
      runs = polygon.runs(py);
    }
    for (const auto& [a0, a1] : *runs) {
      coverage_.claim(py, RowCoverage::Columns(a0, a1), [&](int a, int b) {
        Rgb* row = target_.row(py);
        fillPixels(row + a, row + b, colour);
      });
    }
  }
}

void FrontToBack::finish(const Image& backdrop) {
  coverage_.forEachFree([&](int y, int a, int b) {
    std::copy(backdrop.row(y) + a, backdrop.row(y) + b, target_.row(y) + a);
  });
}

}  // namespace quib
