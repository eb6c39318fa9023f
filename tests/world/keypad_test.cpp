// The keypad and its stand-in letters: what each desktop's keys become.
#include "world/keypad.hpp"

#include <gtest/gtest.h>

#include "world/key_codes.hpp"

namespace quib {
namespace {

TEST(Keypad, NumLockOnSendsTheDigits) {
  const KeypadKey digits[] = {KeypadKey::k0, KeypadKey::k1, KeypadKey::k2, KeypadKey::k3,
                              KeypadKey::k4, KeypadKey::k5, KeypadKey::k6, KeypadKey::k7,
                              KeypadKey::k8, KeypadKey::k9};
  for (int digit = 0; digit <= 9; ++digit) {
    EXPECT_EQ(keypadCode(digits[digit], true), 96 + digit) << "keypad " << digit;
  }
  EXPECT_EQ(keypadCode(KeypadKey::kDecimal, true), 110);
}

TEST(Keypad, NumLockOffSendsTheCursorBlock) {
  const struct {
    KeypadKey key;
    std::int16_t code;
    const char* name;
  } cases[] = {
      {KeypadKey::k8, vk::kUp, "8 steps forward"}, {KeypadKey::k2, vk::kDown, "2 steps back"},
      {KeypadKey::k4, vk::kLeft, "4 steps aside"}, {KeypadKey::k6, vk::kRight, "6 steps aside"},
      {KeypadKey::k5, 12, "5 is Clear"},           {KeypadKey::k0, 45, "0 is Insert"},
      {KeypadKey::kDecimal, 46, ". is Delete"},    {KeypadKey::k9, 33, "9 is Page Up"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(keypadCode(c.key, false), c.code) << c.name;
  }
}

TEST(Keypad, LettersStandForTheTurnsAndTheEye) {
  const struct {
    char letter;
    KeypadKey key;
  } cases[] = {
      {'Q', KeypadKey::k4}, {'E', KeypadKey::k6}, {'R', KeypadKey::k8}, {'F', KeypadKey::k2}};
  for (const auto& c : cases) {
    EXPECT_EQ(keypadLetterCode(c.letter), keypadCode(c.key, true)) << c.letter;
  }
  for (const char other : {'A', 'W', 'S', 'D', 'Z', 'q'}) {
    EXPECT_FALSE(keypadLetterCode(other).has_value()) << other << " stands for nothing";
  }
}

}  // namespace
}  // namespace quib
