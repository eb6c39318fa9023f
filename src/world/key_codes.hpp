// The game's key codes: Windows virtual-key codes, the numbers the key handler acts on; and
// the buttons of a game controller.
#pragma once

#include <cstdint>

namespace quib::vk {

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

}  // namespace quib::vk

namespace quib {

// A game controller's buttons, as the game knows them whatever the make of the pad.
enum class PadButton {
  kA,
  kB,
  kX,
  kY,
  kBack,
  kStart,
  kLeftShoulder,
  kRightShoulder,
  kUp,
  kDown,
  kLeft,
  kRight,
};

}  // namespace quib
