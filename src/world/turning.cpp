// Turns the grid in place, one orbit of four cells at a time, exchanging the layers.
#include "world/turning.hpp"

#include <utility>

namespace quib {
namespace {

enum class Turn { kLeft, kRight };

// An extent outside 0..100 (a level with a negative extent) turns no cells.
int turnableExtent(float ro) {
  return gridIndex(ro).value_or(-1);
}

void turnGrid(Labmap& labmap, int n, Turn turn) {
  // Ring i runs while i <= n / 2 taken as a real number; the centre of an even grid lies on
  // an empty ring and so keeps both its codes in place.
  for (int i = 0; 2 * i <= n; ++i) {
    for (int j = i; j <= n - i - 1; ++j) {
      int a = i;
      int b = j;
      for (int step = 0; step < 3; ++step) {
        const int c = turn == Turn::kLeft ? n - b : b;
        const int d = turn == Turn::kLeft ? a : n - a;
        std::swap(labmap(a, b, 0), labmap(c, d, 1));
        std::swap(labmap(a, b, 1), labmap(c, d, 0));
        a = c;
        b = d;
      }
    }
  }
}

}  // namespace

void LeftRound(World& world) {
  const float oldX = world.X;
  world.X = world.Y;
  world.Y = world.ro - oldX;
  turnGrid(world.labmap, turnableExtent(world.ro), Turn::kLeft);
}

void RightRound(World& world) {
  const float oldX = world.X;
  world.X = world.ro - world.Y;
  world.Y = oldX;
  turnGrid(world.labmap, turnableExtent(world.ro), Turn::kRight);
}

}  // namespace quib
