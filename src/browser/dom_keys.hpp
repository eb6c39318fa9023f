// A browser's keys as the game knows them: Windows virtual-key codes, as on the desktop.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace quib {

// The virtual-key code of a KeyboardEvent: `code` names the key's place on the keyboard, `key`
// what it typed, and `numLock` is getModifierState("NumLock"). Letters go by what they typed, as
// the desktop's do, or by their place when they typed no Latin letter; the keypad sends digits
// with Num Lock on and the cursor keys with it off, and what a keypad key typed says which,
// where the browser knows (the Num Lock state only where it does not); Q, E, R and F stand for
// keypad 4, 6, 8 and 2. Nothing for a key that has no code.
std::optional<std::int16_t> virtualKeyOfDom(std::string_view code, std::string_view key,
                                            bool numLock);

}  // namespace quib
