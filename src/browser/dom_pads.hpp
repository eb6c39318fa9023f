// A browser's game controllers: the Gamepad API's buttons as the game's own.
#pragma once

#include <optional>

#include "world/key_codes.hpp"

namespace quib {

// The game's name for a button of a pad in the Gamepad API's standard mapping, by its index
// there; nothing for buttons the game has no use for (triggers, sticks, the home button).
std::optional<PadButton> padButtonOfStandard(int index);

}  // namespace quib
