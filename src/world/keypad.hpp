// The keypad, whose keys send digits with Num Lock on and the cursor block with it off, and the
// letters that stand for its turning and eye keys on keyboards without one. Every desktop names
// its keys its own way and turns them into these.
#pragma once

#include <cstdint>
#include <optional>

namespace quib {

enum class KeypadKey { k0, k1, k2, k3, k4, k5, k6, k7, k8, k9, kDecimal };

// The key's virtual-key code: its digit (96 to 105; the decimal point 110) with Num Lock on,
// and with it off the cursor-block key printed beside the digit (keypad 4 is Left, 8 Up,
// 5 Clear, 0 Insert).
std::int16_t keypadCode(KeypadKey key, bool numLock);

// Q and E stand for keypad 4 and 6, R and F for keypad 8 and 2, whatever Num Lock says, so that
// a keyboard without a keypad turns and moves the eye; nothing for the other letters. `letter`
// is upper case, as the letters' own codes are.
std::optional<std::int16_t> keypadLetterCode(char letter);

}  // namespace quib
