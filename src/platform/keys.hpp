// Keys as the game knows them: Windows virtual-key codes.
#pragma once

#include <cstdint>
#include <optional>

namespace quib {

namespace vk {
inline constexpr std::int16_t kReturn = 13;
inline constexpr std::int16_t kEscape = 27;
inline constexpr std::int16_t kSpace = 32;
inline constexpr std::int16_t kLeft = 37;
inline constexpr std::int16_t kUp = 38;
inline constexpr std::int16_t kRight = 39;
inline constexpr std::int16_t kDown = 40;
inline constexpr std::int16_t kNumpad2 = 98;
inline constexpr std::int16_t kNumpad4 = 100;
inline constexpr std::int16_t kNumpad6 = 102;
inline constexpr std::int16_t kNumpad8 = 104;
}  // namespace vk

// Translates an SDL key (keycode and modifier state) to its virtual-key code. The keypad
// sends digits with Num Lock on and the cursor keys with it off. Nothing for a key that
// has no code.
std::optional<std::int16_t> virtualKey(std::int32_t sdlKeycode, std::uint16_t sdlModifiers);

}  // namespace quib
