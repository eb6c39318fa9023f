// What each key does to the world: steps, quarter turns and the eye height.
#pragma once

#include <cstdint>
#include <optional>

#include "world/key_codes.hpp"
#include "world/world.hpp"

namespace quib {

enum class KeyAction { kDone, kEndProgram };

// Applies the key's effect, testing the codes in the game's fixed order; a code with no
// effect changes nothing. Escape changes nothing either: it asks for the end of the game.
KeyAction applyKey(World& world, std::int16_t keyCode);

// The key a game controller's button stands for: the d-pad steps like the arrows, the
// shoulders turn like keypad 4 and 6, Y and A raise and lower the eye like keypad 8 and 2,
// Back ends the game like Escape. Nothing for the other buttons.
std::optional<std::int16_t> keyOfPadButton(PadButton button);

}  // namespace quib
