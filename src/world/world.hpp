// The game's world: the level grid, the viewer and the view-cone rows, owned in one object.
#pragma once

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>
#include <cstdint>
#include <optional>

#include "world/rounding.hpp"

namespace quib {

// Highest index of the grid in either direction; a level is at most 101 x 101 points.
inline constexpr int kGridMax = 100;
// The eye rises from the panels' mid-height (0) in whole units up to this.
inline constexpr std::int16_t kEyeMax = 7;

// Two whole-number codes per grid point: layer 0 holds panels lying across the view,
// layer 1 panels lying along it.
class Labmap {
 public:
  static constexpr int kSide = kGridMax + 1;

  std::int32_t& operator()(int i, int j, int k) { return cells_[index(i, j, k)]; }
  std::int32_t operator()(int i, int j, int k) const { return cells_[index(i, j, k)]; }

  bool operator==(const Labmap&) const = default;

 private:
  static std::size_t index(int i, int j, int k) {
    assert(i >= 0 && i <= kGridMax && j >= 0 && j <= kGridMax && (k == 0 || k == 1));
    return (static_cast<std::size_t>(i) * kSide + static_cast<std::size_t>(j)) * 2 +
           static_cast<std::size_t>(k);
  }

  std::array<std::int32_t, static_cast<std::size_t>(kSide) * kSide * 2> cells_{};
};

// The rows from which on the right and the left edge of the view cone have left the grid.
struct ConeRows {
  float right = 0;  // conerow(1)
  float left = 0;   // conerow(2)
};

// Everything the game knows about the level and the viewer. The view always looks toward
// larger rows; turning the viewer turns the grid instead.
struct World {
  Labmap labmap;
  float X = 0;         // viewer's column, a whole number
  float Y = 0;         // viewer's row, a whole number
  float ro = 0;        // level extent: highest column and row in use
  float N = 0;         // drawing extent of a view surface, in pixels
  std::int16_t h = 0;  // eye height above the panels' mid-height, 0..kEyeMax
  ConeRows conerow;
};

// A float position as a grid index: rounded to nearest (ties to even) when it lies in
// 0..100, nothing otherwise. Every frame asks this of thousands of points, so it is inline.
inline std::optional<int> gridIndex(float position) {
  if (const auto index = roundToInt(position, 0, kGridMax)) {
    return static_cast<int>(*index);
  }
  return std::nullopt;
}

// The grid indices from `low` to `high`: the whole numbers in both [low, high] and 0..100,
// as first..last (empty when first > last).
struct GridSpan {
  int first = 0;
  int last = -1;
};
inline GridSpan gridSpan(float low, float high) {
  // Clamped as floats first: the bounds may lie anywhere a float reaches, or be no number.
  constexpr auto kBelow = -1.0f;
  constexpr auto kAbove = static_cast<float>(kGridMax + 1);
  const float from = low >= kBelow ? std::min(std::ceil(low), kAbove) : kBelow;
  const float to = high <= kAbove ? std::max(std::floor(high), kBelow) : kAbove;
  return {std::max(0, static_cast<int>(from)), std::min(kGridMax, static_cast<int>(to))};
}

// The view-cone rows for the viewer's place, each clamped to the extent, as the key handler
// recomputes them before every frame.
void updateConerow(World& world);

// Places the viewer as start-up does: mid-column (the extent rounded half to even, then
// halved with the fraction dropped), row 1, eye at the panels' mid-height.
void placeViewer(World& world, int n);

}  // namespace quib
