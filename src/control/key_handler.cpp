// One key-down, strictly in the game's order.
#include "control/key_handler.hpp"

#include "control/plan_map.hpp"

namespace quib {

KeyAction Picture1_KeyDown(World& world, const ImageHolders& images, ViewPair& views,
                           WindowSurface& own, PlanMap& plan, std::int16_t KeyCode) {
  own.clear();
  own.printNumber(KeyCode);
  if (applyKey(world, KeyCode) == KeyAction::kEndProgram) {
    return KeyAction::kEndProgram;
  }
  updateConerow(world);
  c(world, images, views);
  plan.draw(world, own);
  return KeyAction::kDone;
}

}  // namespace quib
