// Painting a frame from its last paint to its first. In painter's order the last paint to
// reach a pixel is the one seen; painted the other way round, the first paint to reach a
// pixel keeps it, and later ones only fill what is still free. The pixels are the same, and
// paints hidden behind nearer ones cost next to nothing.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <vector>

#include "canvas/image.hpp"
#include "canvas/polygon_spans.hpp"
#include "canvas/stretched_picture.hpp"

namespace quib {

// Which pixels of each row are painted already, one bit a pixel: a claim or a test of a
// run reads and writes a word for every 64 pixels, whatever was painted before.
class RowCoverage {
 public:
  void reset(int width, int height);

  bool full() const { return fullRows_ == height_; }
  bool rowFull(int y) const { return painted_[static_cast<std::size_t>(y)] == width_; }
  // The first row from y on that is not painted from end to end; the height when none is.
  // Near paints fill whole rows early, and later paints skip them in a step.
  int openRow(int y) const {
    return open_[static_cast<std::size_t>(y)] == y ? y : openRowAfterFull(y);
  }
  // Whether [x0, x1) of every row in [y0, y1) is painted already.
  bool covered(int x0, int x1, int y0, int y1) const;

  using Word = std::uint64_t;
  static constexpr unsigned kBits = 64;

  // The columns [x0, x1), x0 < x1, as words: the first and the last word, and the bits
  // they hold of it. A paint that claims the same columns on many rows works them out once.
  struct Columns {
    Columns(int x0, int x1);
    Word mask(unsigned w) const {
      return (w == first ? head : ~Word{0}) & (w == last ? tail : ~Word{0});
    }
    int x0;
    int x1;
    unsigned first;
    unsigned last;
    Word head;
    Word tail;
  };

  // Calls fill(from, to) for each part of [x0, x1) on row y that is still free, left to
  // right and each as long as it runs, then marks the whole of [x0, x1) painted.
  template <class Fill>
  void claim(int y, int x0, int x1, Fill&& fill) {
    if (x0 < x1) {
      claim(y, Columns(x0, x1), fill);
    }
  }
  template <class Fill>
  void claim(int y, const Columns& columns, Fill&& fill);

  // Calls fill(y, from, to) for every run of free pixels of every row.
  template <class Fill>
  void forEachFree(Fill&& fill) const;

 private:
  Word* words(int y) { return bits_.data() + static_cast<std::size_t>(y) * wordsPerRow_; }
  const Word* words(int y) const {
    return bits_.data() + static_cast<std::size_t>(y) * wordsPerRow_;
  }
  // Joins runs that meet, so that one crossing words is handed on as one.
  template <class Fill>
  struct RunJoiner {
    Fill& fill;
    int from = 0;
    int to = -1;
    void add(int a, int b) {
      if (a != to) {
        if (to >= 0) {
          fill(from, to);
        }
        from = a;
      }
      to = b;
    }
    bool finish() {  // whether there was any run
      if (to >= 0) {
        fill(from, to);
      }
      return to >= 0;
    }
  };
  // Calls run(from, to) for each run of set bits of word w, lowest first.
  template <class Run>
  static void forEachRunOf(Word bits, unsigned w, Run&& run);
  template <class Fill>
  void claimRuns(int y, const Columns& columns, Word* row, int& painted, Fill& fill);
  void markFull(int y);
  int openRowAfterFull(int y) const;

  int width_ = 0;
  int height_ = 0;
  std::size_t wordsPerRow_ = 0;
  int fullRows_ = 0;
  std::vector<Word> bits_;
  std::vector<int> painted_;  // pixels painted in each row
  // For each row, a row at or below the first open one from it: a full row points past
  // itself, and lookups shorten the chains they walk.
  mutable std::vector<int> open_;
};

// A frame painted front to back onto `target`, the coverage kept in `coverage`.
class FrontToBack {
 public:
  FrontToBack(Image& target, RowCoverage& coverage);

  // Every pixel is painted: nothing painted before in painter's order can show.
  bool full() const { return coverage_.full(); }
  // Whether rows [y0, y1) are painted from end to end: nothing on them can show.
  bool rowsFull(int y0, int y1) const { return y0 >= y1 || coverage_.openRow(y0) >= y1; }

  // A stretched picture's columns [x0, x1) (the caller knows the rest painted already), or a
  // polygon filled in a colour, over what is still free.
  void paint(StretchedPicture& picture, int x0, int x1);
  void fill(PolygonSpans& polygon, Rgb colour);

  // Gives every pixel no paint reached the backdrop's pixel; ends the frame.
  void finish(const Image& backdrop);

 private:
  Image& target_;
  RowCoverage& coverage_;
};

inline RowCoverage::Columns::Columns(int x0, int x1)
    : x0(x0),
      x1(x1),
      first(static_cast<unsigned>(x0) / kBits),
      last(static_cast<unsigned>(x1 - 1) / kBits),
      head(~Word{0} << (static_cast<unsigned>(x0) % kBits)),
      tail(~Word{0} >> (kBits - 1 - static_cast<unsigned>(x1 - 1) % kBits)) {}

template <class Fill>
void RowCoverage::claim(int y, const Columns& columns, Fill&& fill) {
  int& painted = painted_[static_cast<std::size_t>(y)];
  if (painted == width_) {
    return;
  }
  Word* row = words(y);
  if (columns.first == columns.last) {
    // Most runs lie in one word, and most of those find it free or painted throughout.
    const Word want = columns.head & columns.tail;
    const Word free = want & ~row[columns.first];
    if (free == want || free == 0) {
      row[columns.first] |= want;
      if (free != 0) {
        painted += columns.x1 - columns.x0;
        fill(columns.x0, columns.x1);
        if (painted == width_) {
          markFull(y);
        }
      }
      return;
    }
  }
  claimRuns(y, columns, row, painted, fill);
}

template <class Fill>
void RowCoverage::claimRuns(int y, const Columns& columns, Word* row, int& painted, Fill& fill) {
  if (painted == 0) {
    // A row nothing has reached yet: all of the run is free, in one piece.
    row[columns.first] |= columns.mask(columns.first);
    for (unsigned w = columns.first + 1; w < columns.last; ++w) {
      row[w] = ~Word{0};
    }
    row[columns.last] |= columns.mask(columns.last);
    painted = columns.x1 - columns.x0;
    fill(columns.x0, columns.x1);
    if (painted == width_) {
      markFull(y);
    }
    return;
  }
  RunJoiner<Fill> runs{fill};
  for (unsigned w = columns.first; w <= columns.last; ++w) {
    const Word want = columns.mask(w);
    const Word free = want & ~row[w];
    if (free == 0) {
      continue;
    }
    row[w] |= want;
    const auto base = static_cast<int>(w * kBits);
    if (free == want) {  // one run, all of the word's part
      const int a = base + std::countr_zero(want);
      const int b = base + static_cast<int>(kBits) - std::countl_zero(want);
      painted += b - a;
      runs.add(a, b);
      continue;
    }
    forEachRunOf(free, w, [&](int a, int b) {
      painted += b - a;
      runs.add(a, b);
    });
  }
  if (runs.finish() && painted == width_) {
    markFull(y);
  }
}

template <class Fill>
void RowCoverage::forEachFree(Fill&& fill) const {
  for (int y = 0; y < height_; ++y) {
    if (rowFull(y)) {
      continue;
    }
    if (painted_[static_cast<std::size_t>(y)] == 0) {
      fill(y, 0, width_);
      continue;
    }
    const auto fillRow = [&](int a, int b) { fill(y, a, b); };
    RunJoiner<decltype(fillRow)> runs{fillRow};
    const Word* row = words(y);
    for (unsigned w = 0; w < wordsPerRow_; ++w) {
      Word free = ~row[w];
      if ((w + 1) * kBits > static_cast<unsigned>(width_)) {
        free &= ~Word{0} >> ((w + 1) * kBits - static_cast<unsigned>(width_));
      }
      forEachRunOf(free, w, [&](int a, int b) { runs.add(a, b); });
    }
    runs.finish();
  }
}

template <class Run>
void RowCoverage::forEachRunOf(Word bits, unsigned w, Run&& run) {
  while (bits != 0) {
    // Adding the lowest set bit carries through its run: the run clears, and the bit just
    // past it sets (or the sum runs off the word's end).
    const Word carried = bits + (bits & (~bits + 1));
    const auto base = static_cast<int>(w * kBits);
    run(base + std::countr_zero(bits), base + std::countr_zero(carried));
    bits &= carried;
  }
}

}  // namespace quib
