// Viewer placement at start-up and the view-cone rows.
#include "world/world.hpp"

#include <cmath>

namespace quib {

void placeViewer(World& world, int n) {
  world.ro = static_cast<float>(n);
  // n is a whole number well inside the range of long, so the rounding cannot overflow.
  const long rounded = std::lrint(world.ro);
  // Kept: the extent rounded, then halved in whole numbers, the fraction dropped.
  world.X = static_cast<float>(rounded / 2);  // NOLINT(bugprone-integer-division)
  world.Y = 1;
  world.h = 0;
}

void updateConerow(World& world) {
  world.conerow.right = (world.ro - world.X) + world.Y;
  world.conerow.left = world.X + world.Y;
  if (world.conerow.right > world.ro) {
    world.conerow.right = world.ro;
  }
  if (world.conerow.left > world.ro) {
    world.conerow.left = world.ro;
  }
}

}  // namespace quib
