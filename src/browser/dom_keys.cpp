// The KeyboardEvent code to virtual-key code tables.
#include "browser/dom_keys.hpp"

#include "world/key_codes.hpp"
#include "world/keypad.hpp"

namespace quib {
namespace {

struct KeypadName {
  std::string_view code;
  KeypadKey key;
};

constexpr KeypadName kKeypad[] = {
    {"Numpad0", KeypadKey::k0},
    {"Numpad1", KeypadKey::k1},
    {"Numpad2", KeypadKey::k2},
    {"Numpad3", KeypadKey::k3},
    {"Numpad4", KeypadKey::k4},
    {"Numpad5", KeypadKey::k5},
    {"Numpad6", KeypadKey::k6},
    {"Numpad7", KeypadKey::k7},
    {"Numpad8", KeypadKey::k8},
    {"Numpad9", KeypadKey::k9},
    {"NumpadDecimal", KeypadKey::kDecimal},
};

struct PlainKey {
  std::string_view code;
  std::int16_t vk;
};

constexpr PlainKey kPlain[] = {
    {"Backspace", 8},
    {"Tab", 9},
    {"Enter", vk::kReturn},
    {"NumpadEnter", vk::kReturn},
    {"ShiftLeft", 16},
    {"ShiftRight", 16},
    {"ControlLeft", 17},
    {"ControlRight", 17},
    {"AltLeft", 18},
    {"AltRight", 18},
    {"Pause", 19},
    {"CapsLock", 20},
    {"Escape", vk::kEscape},
    {"Space", vk::kSpace},
    {"PageUp", 33},
    {"PageDown", 34},
    {"End", 35},
    {"Home", 36},
    {"ArrowLeft", vk::kLeft},
    {"ArrowUp", vk::kUp},
    {"ArrowRight", vk::kRight},
    {"ArrowDown", vk::kDown},
    {"PrintScreen", 44},
    {"Insert", 45},
    {"Delete", 46},
    {"MetaLeft", 91},
    {"MetaRight", 92},
    {"ContextMenu", 93},
    {"NumpadMultiply", 106},
    {"NumpadAdd", 107},
    {"NumpadSubtract", 109},
    {"NumpadDivide", 111},
    {"NumLock", 144},
    {"ScrollLock", 145},
    {"Semicolon", 186},
    {"Equal", 187},
    {"Comma", 188},
    {"Minus", 189},
    {"Period", 190},
    {"Slash", 191},
    {"Backquote", 192},
    {"BracketLeft", 219},
    {"Backslash", 220},
    {"BracketRight", 221},
    {"Quote", 222},
};

bool isAsciiLetter(char ch) {
  return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z');
}

char upper(char ch) {
  return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch;
}

// The number after `prefix` in `code` ("F11" after "F"), if `code` is that and nothing else.
std::optional<int> numberAfter(std::string_view code, std::string_view prefix) {
  if (!code.starts_with(prefix) || code.size() == prefix.size() ||
      code.size() > prefix.size() + 2) {
    return std::nullopt;
  }
  int number = 0;
  for (const char ch : code.substr(prefix.size())) {
    if (ch < '0' || ch > '9') {
      return std::nullopt;
    }
    constexpr int kBase = 10;
    number = number * kBase + (ch - '0');
  }
  return number;
}

// Whether a keypad key is sending its digit: what it typed says so (a digit, or the decimal
// separator of any language), or sending a cursor key (Arrow..., Home, Clear...); a browser
// that typed nothing it names leaves it to the Num Lock state.
bool keypadSendsDigit(std::string_view key, bool numLock) {
  if (key.size() == 1) {
    return (key[0] >= '0' && key[0] <= '9') || key[0] == '.' || key[0] == ',';
  }
  return (key.empty() || key == "Unidentified") && numLock;
}

}  // namespace

std::optional<std::int16_t> virtualKeyOfDom(std::string_view code, std::string_view key,
                                            bool numLock) {
  for (const KeypadName& entry : kKeypad) {
    if (entry.code == code) {
      return keypadCode(entry.key, keypadSendsDigit(key, numLock));
    }
  }
  const bool typedLetter = key.size() == 1 && isAsciiLetter(key[0]);
  if (typedLetter || (code.size() == 4 && code.starts_with("Key") && isAsciiLetter(code[3]))) {
    const char letter = upper(typedLetter ? key[0] : code[3]);
    return keypadLetterCode(letter).value_or(static_cast<std::int16_t>(letter));
  }
  constexpr int kLastDigit = 9;
  if (const auto digit = numberAfter(code, "Digit"); digit && *digit <= kLastDigit) {
    return static_cast<std::int16_t>('0' + *digit);
  }
  constexpr int kLastFunctionKey = 12;
  if (const auto f = numberAfter(code, "F"); f && *f >= 1 && *f <= kLastFunctionKey) {
    constexpr std::int16_t kF1 = 112;
    return static_cast<std::int16_t>(kF1 + *f - 1);
  }
  for (const PlainKey& entry : kPlain) {
    if (entry.code == code) {
      return entry.vk;
    }
  }
  return std::nullopt;
}

}  // namespace quib
