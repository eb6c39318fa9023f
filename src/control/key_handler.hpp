// The whole chain that one key-down runs: key code, effect, view cone, frame, plan map.
#pragma once

#include <cstdint>

#include "canvas/window_surface.hpp"
#include "control/keys_dispatch.hpp"
#include "control/plan_map.hpp"
#include "render/frame.hpp"
#include "world/world.hpp"

namespace quib {

// Runs one key-down on the game window's parts: its world, its face bitmaps, its two views,
// its own surface and the plan drawn on it. For Escape it stops after printing the code and returns
// kEndProgram: the caller plays the sound and ends the game, so no further frame is drawn.
KeyAction Picture1_KeyDown(World& world, const ImageHolders& images, ViewPair& views,
                           WindowSurface& own, PlanMap& plan, std::int16_t KeyCode);

}  // namespace quib
