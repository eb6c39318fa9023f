// The whole chain that one key-down runs: key code, effect, view cone, frame, plan map.
#pragma once

#include <cstdint>

#include "control/keys_dispatch.hpp"
#include "platform/text.hpp"
#include "platform/window_surface.hpp"
#include "render/frame.hpp"
#include "world/world.hpp"

namespace quib {

// What the game window holds: the world, the face bitmaps, the two views and its own
// surface for the key code and the plan.
struct GameScreen {
  explicit GameScreen(const Font& font) : own(font) {}

  World world;
  ImageHolders images;
  ViewPair views;
  WindowSurface own;
};

// Runs one key-down. For Escape it stops after printing the code and returns kEndProgram:
// the caller plays the sound and ends the game, so no further frame is drawn.
KeyAction Picture1_KeyDown(GameScreen& screen, std::int16_t KeyCode);

}  // namespace quib
