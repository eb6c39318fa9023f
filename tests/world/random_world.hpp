// A world of extent n whose every panel holds a code from 0 to codes - 1 at random, the viewer
// placed as at start-up, then moved to a row at random.
#pragma once

#include <cstdint>
#include <memory>
#include <random>

#include "world/world.hpp"

namespace quib {

inline std::unique_ptr<World> randomWorld(int n, unsigned seed, unsigned codes = 10) {
  auto world = std::make_unique<World>();
  std::mt19937 random(seed);
  for (int i = 0; i <= kGridMax; ++i) {
    for (int j = 0; j <= kGridMax; ++j) {
      world->labmap(i, j, 0) = static_cast<std::int32_t>(random() % codes);
      world->labmap(i, j, 1) = static_cast<std::int32_t>(random() % codes);
    }
  }
  placeViewer(*world, n);
  world->Y = static_cast<float>(random() % static_cast<unsigned>(n + 1));
  return world;
}

}  // namespace quib
