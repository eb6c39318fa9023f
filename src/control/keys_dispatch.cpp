// The key table: only the edges of the grid stop a step; no cell blocks the viewer.
#include "control/keys_dispatch.hpp"

#include "world/key_codes.hpp"
#include "world/turning.hpp"

namespace quib {

KeyAction applyKey(World& world, std::int16_t keyCode) {
  switch (keyCode) {
    case vk::kUp:
      if (world.Y < world.ro) {
        world.Y = world.Y + 1.0f;
      }
      break;
    case vk::kDown:
      if (world.Y > 0.0f) {
        world.Y = world.Y - 1.0f;
      }
      break;
    case vk::kLeft:  // a step aside, not a turn
      if (world.X > 0.0f) {
        world.X = world.X - 1.0f;
      }
      break;
    case vk::kRight:
      if (world.X < world.ro) {
        world.X = world.X + 1.0f;
      }
      break;
    case vk::kNumpad4:
      LeftRound(world);
      break;
    case vk::kNumpad6:
      RightRound(world);
      break;
    case vk::kNumpad8:
      if (world.h < kEyeMax) {
        ++world.h;
      }
      break;
    case vk::kNumpad2:
      if (world.h > 0) {
        --world.h;
      }
      break;
    case vk::kEscape:
      return KeyAction::kEndProgram;
    default:
      break;
  }
  return KeyAction::kDone;
}

}  // namespace quib
