// What each key does to the world: steps, quarter turns and the eye height.
#pragma once

#include <cstdint>

#include "world/world.hpp"

namespace quib {

enum class KeyAction { kDone, kEndProgram };

// Applies the key's effect, testing the codes in the game's fixed order; a code with no
// effect changes nothing. Escape changes nothing either: it asks for the end of the game.
KeyAction applyKey(World& world, std::int16_t keyCode);

}  // namespace quib
