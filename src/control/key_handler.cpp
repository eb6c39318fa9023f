// One key-down, strictly in the game's order.
#include "control/key_handler.hpp"

namespace quib {

KeyAction Picture1_KeyDown(GameScreen& screen, std::int16_t KeyCode) {
  screen.own.clear();
  screen.own.printNumber(KeyCode);
  if (applyKey(screen.world, KeyCode) == KeyAction::kEndProgram) {
    return KeyAction::kEndProgram;
  }
  drawScreen(screen);
  return KeyAction::kDone;
}

void drawScreen(GameScreen& screen) {
  updateConerow(screen.world);
  c(screen.world, screen.images, screen.shapes, screen.views);
  screen.plan.draw(screen.world, screen.own);
}

}  // namespace quib
