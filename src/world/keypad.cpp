// The keypad's two tables: its keys with and without Num Lock, and the letters that stand in.
#include "world/keypad.hpp"

#include <array>
#include <cstddef>

#include "world/key_codes.hpp"

namespace quib {
namespace {

struct KeypadCodes {
  std::int16_t numLockOn;
  std::int16_t numLockOff;
};

// In KeypadKey's order. Num Lock off turns the keypad into the cursor block, as on any PC
// keyboard.
constexpr std::array<KeypadCodes, 11> kKeypad = {{
    {96, 45},   // 0 Insert
    {97, 35},   // 1 End
    {98, 40},   // 2 Down
    {99, 34},   // 3 Page Down
    {100, 37},  // 4 Left
    {101, 12},  // 5 Clear
    {102, 39},  // 6 Right
    {103, 36},  // 7 Home
    {104, 38},  // 8 Up
    {105, 33},  // 9 Page Up
    {110, 46},  // . Delete
}};

struct LetterCode {
  char letter;
  std::int16_t code;
};

// Beside the left hand's resting place: they send the keypad's codes, as a game controller's
// buttons do, and the game prints those.
constexpr LetterCode kLetters[] = {
    {'Q', vk::kNumpad4},
    {'E', vk::kNumpad6},
    {'R', vk::kNumpad8},
    {'F', vk::kNumpad2},
};

}  // namespace

std::int16_t keypadCode(KeypadKey key, bool numLock) {
  const KeypadCodes& codes = kKeypad.at(static_cast<std::size_t>(key));
  return numLock ? codes.numLockOn : codes.numLockOff;
}

std::optional<std::int16_t> keypadLetterCode(char letter) {
  for (const LetterCode& entry : kLetters) {
    if (entry.letter == letter) {
      return entry.code;
    }
  }
  return std::nullopt;
}

}  // namespace quib
