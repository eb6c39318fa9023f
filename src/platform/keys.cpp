// The SDL key to virtual-key code table.
#include "platform/keys.hpp"

#include <SDL.h>

#include "world/key_codes.hpp"
#include "world/keypad.hpp"

namespace quib {
namespace {

struct KeypadEntry {
  SDL_Keycode key;
  KeypadKey pad;
};

constexpr KeypadEntry kKeypad[] = {
    {SDLK_KP_0, KeypadKey::k0},
    {SDLK_KP_1, KeypadKey::k1},
    {SDLK_KP_2, KeypadKey::k2},
    {SDLK_KP_3, KeypadKey::k3},
    {SDLK_KP_4, KeypadKey::k4},
    {SDLK_KP_5, KeypadKey::k5},
    {SDLK_KP_6, KeypadKey::k6},
    {SDLK_KP_7, KeypadKey::k7},
    {SDLK_KP_8, KeypadKey::k8},
    {SDLK_KP_9, KeypadKey::k9},
    {SDLK_KP_PERIOD, KeypadKey::kDecimal},
};

struct PlainKey {
  SDL_Keycode key;
  std::int16_t code;
};

constexpr PlainKey kPlain[] = {
    {SDLK_BACKSPACE, 8},
    {SDLK_TAB, 9},
    {SDLK_RETURN, vk::kReturn},
    {SDLK_KP_ENTER, vk::kReturn},
    {SDLK_LSHIFT, 16},
    {SDLK_RSHIFT, 16},
    {SDLK_LCTRL, 17},
    {SDLK_RCTRL, 17},
    {SDLK_LALT, 18},
    {SDLK_RALT, 18},
    {SDLK_PAUSE, 19},
    {SDLK_CAPSLOCK, 20},
    {SDLK_ESCAPE, vk::kEscape},
    {SDLK_SPACE, vk::kSpace},
    {SDLK_PAGEUP, 33},
    {SDLK_PAGEDOWN, 34},
    {SDLK_END, 35},
    {SDLK_HOME, 36},
    {SDLK_LEFT, vk::kLeft},
    {SDLK_UP, vk::kUp},
    {SDLK_RIGHT, vk::kRight},
    {SDLK_DOWN, vk::kDown},
    {SDLK_PRINTSCREEN, 44},
    {SDLK_INSERT, 45},
    {SDLK_DELETE, 46},
    {SDLK_LGUI, 91},
    {SDLK_RGUI, 92},
    {SDLK_APPLICATION, 93},
    {SDLK_KP_MULTIPLY, 106},
    {SDLK_KP_PLUS, 107},
    {SDLK_KP_MINUS, 109},
    {SDLK_KP_DIVIDE, 111},
    {SDLK_NUMLOCKCLEAR, 144},
    {SDLK_SCROLLLOCK, 145},
    {SDLK_SEMICOLON, 186},
    {SDLK_EQUALS, 187},
    {SDLK_COMMA, 188},
    {SDLK_MINUS, 189},
    {SDLK_PERIOD, 190},
    {SDLK_SLASH, 191},
    {SDLK_BACKQUOTE, 192},
    {SDLK_LEFTBRACKET, 219},
    {SDLK_BACKSLASH, 220},
    {SDLK_RIGHTBRACKET, 221},
    {SDLK_QUOTE, 222},
};

}  // namespace

std::optional<std::int16_t> virtualKey(std::int32_t sdlKeycode, std::uint16_t sdlModifiers) {
  const SDL_Keycode key = sdlKeycode;
  if (key >= SDLK_a && key <= SDLK_z) {
    const auto letter = static_cast<char>('A' + (key - SDLK_a));
    return keypadLetterCode(letter).value_or(static_cast<std::int16_t>(letter));
  }
  if (key >= SDLK_0 && key <= SDLK_9) {
    return static_cast<std::int16_t>('0' + (key - SDLK_0));
  }
  if (key >= SDLK_F1 && key <= SDLK_F12) {
    constexpr std::int16_t kF1 = 112;
    return static_cast<std::int16_t>(kF1 + (key - SDLK_F1));
  }
  const bool numLock = (sdlModifiers & KMOD_NUM) != 0;
  for (const KeypadEntry& entry : kKeypad) {
    if (entry.key == key) {
      return keypadCode(entry.pad, numLock);
    }
  }
  for (const PlainKey& entry : kPlain) {
    if (entry.key == key) {
      return entry.code;
    }
  }
  return std::nullopt;
}

bool togglesFullScreen(std::int32_t sdlKeycode, std::uint16_t sdlModifiers) {
  const bool alt = (sdlModifiers & KMOD_ALT) != 0;
  return sdlKeycode == SDLK_F11 ||
         (alt && (sdlKeycode == SDLK_RETURN || sdlKeycode == SDLK_KP_ENTER));
}

std::optional<std::string_view> numLockOffHint(std::int32_t sdlKeycode,
                                               std::uint16_t sdlModifiers) {
  if ((sdlModifiers & KMOD_NUM) != 0) {
    return std::nullopt;
  }
  switch (sdlKeycode) {
    case SDLK_KP_4:
      return "Num Lock is off: keypad 4 steps aside; Q and E turn";
    case SDLK_KP_6:
      return "Num Lock is off: keypad 6 steps aside; Q and E turn";
    case SDLK_KP_8:
      return "Num Lock is off: keypad 8 steps forward; R and F raise and lower the eye";
    case SDLK_KP_2:
      return "Num Lock is off: keypad 2 steps back; R and F raise and lower the eye";
    default:
      return std::nullopt;
  }
}

}  // namespace quib
