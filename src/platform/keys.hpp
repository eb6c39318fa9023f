// SDL keys as the game knows them: Windows virtual-key codes.
#pragma once

#include <cstdint>
#include <optional>

#include "world/key_codes.hpp"

namespace quib {

// Translates an SDL key (keycode and modifier state) to its virtual-key code. The keypad
// sends digits with Num Lock on and the cursor keys with it off. Nothing for a key that
// has no code.
std::optional<std::int16_t> virtualKey(std::int32_t sdlKeycode, std::uint16_t sdlModifiers);

}  // namespace quib
