// SDL keys as the game knows them: Windows virtual-key codes.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "world/key_codes.hpp"

namespace quib {

// Translates an SDL key (keycode and modifier state) to its virtual-key code. The keypad
// sends digits with Num Lock on and the cursor keys with it off. Q and E stand for keypad 4
// and 6, R and F for keypad 8 and 2, whatever Num Lock says, so that a keyboard without a
// keypad turns and moves the eye. Nothing for a key that has no code.
std::optional<std::int16_t> virtualKey(std::int32_t sdlKeycode, std::uint16_t sdlModifiers);

// F11, and Alt with Enter: the desktop's own keys for full screen, never the game's.
bool togglesFullScreen(std::int32_t sdlKeycode, std::uint16_t sdlModifiers);

// What a keypad key that turns or moves the eye with Num Lock on does with it off, and which
// letters do that instead; nothing for other keys, or with Num Lock on.
std::optional<std::string_view> numLockOffHint(std::int32_t sdlKeycode, std::uint16_t sdlModifiers);

}  // namespace quib
