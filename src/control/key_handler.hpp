// The whole chain that one key-down runs: key code, effect, view cone, frame, plan map.
#pragma once

#include <cstdint>

#include "canvas/glyphs.hpp"
#include "canvas/window_surface.hpp"
#include "control/keys_dispatch.hpp"
#include "control/plan_map.hpp"
#include "render/frame.hpp"
#include "world/world.hpp"

namespace quib {

// What the game window holds and a key works on: the world, the face pictures, the two views
// and the shapes kept between their frames, and the window's own surface with the plan drawn
// on it. Some megabytes: kept on the heap.
struct GameScreen {
  explicit GameScreen(const TextRenderer& text) : own(text), plan(text) {}

  World world;
  ImageHolders images;
  ViewPair views;
  FrameShapes shapes;
  WindowSurface own;
  PlanMap plan;
};

// Runs one key-down on the game window's parts. For Escape it stops after printing the code
// and returns kEndProgram: the caller plays the sound and ends the game, so no further frame
// is drawn.
KeyAction Picture1_KeyDown(GameScreen& screen, std::int16_t KeyCode);

// What a key does after its effect: the view cone, the frame and the plan, for the world as it
// is; nothing printed.
void drawScreen(GameScreen& screen);

}  // namespace quib
