// The key table: only the edges of the grid stop a step; no cell blocks the viewer.
#include "control/keys_dispatch.hpp"

#include "world/key_codes.hpp"
#include "world/turning.hpp"

namespace quib {
namespace {

struct KeyBinding {
  std::int16_t keyCode;
  void (*apply)(World& world);
};

// Tested in this order; the first code that matches applies. Bounds compare the value before
// the step, strictly; a refused step changes nothing.
constexpr KeyBinding kKeyTable[] = {
    {vk::kUp,
     [](World& w) {
       if (w.Y < w.ro) {
         w.Y = w.Y + 1.0f;
       }
     }},
    {vk::kDown,
     [](World& w) {
       if (w.Y > 0.0f) {
         w.Y = w.Y - 1.0f;
       }
     }},
    {vk::kLeft,  // a step aside, not a turn
     [](World& w) {
       if (w.X > 0.0f) {
         w.X = w.X - 1.0f;
       }
     }},
    {vk::kRight,
     [](World& w) {
       if (w.X < w.ro) {
         w.X = w.X + 1.0f;
       }
     }},
    {vk::kNumpad4, [](World& w) { LeftRound(w); }},
    {vk::kNumpad6, [](World& w) { RightRound(w); }},
    {vk::kNumpad8,
     [](World& w) {
       if (w.h < kEyeMax) {
         ++w.h;
       }
     }},
    {vk::kNumpad2,
     [](World& w) {
       if (w.h > 0) {
         --w.h;
       }
     }},
};

}  // namespace

KeyAction applyKey(World& world, std::int16_t keyCode) {
  // Escape changes nothing: the caller plays the sound and ends the game.
  if (keyCode == vk::kEscape) {
    return KeyAction::kEndProgram;
  }
  for (const KeyBinding& binding : kKeyTable) {
    if (binding.keyCode == keyCode) {
      binding.apply(world);
      break;
    }
  }
  return KeyAction::kDone;
}

std::optional<std::int16_t> keyOfPadButton(PadButton button) {
  struct PadBinding {
    PadButton button;
    std::int16_t keyCode;
  };
  constexpr PadBinding kPadTable[] = {
      {PadButton::kUp, vk::kUp},
      {PadButton::kDown, vk::kDown},
      {PadButton::kLeft, vk::kLeft},
      {PadButton::kRight, vk::kRight},
      {PadButton::kLeftShoulder, vk::kNumpad4},
      {PadButton::kRightShoulder, vk::kNumpad6},
      {PadButton::kY, vk::kNumpad8},
      {PadButton::kA, vk::kNumpad2},
      {PadButton::kBack, vk::kEscape},
  };
  for (const PadBinding& binding : kPadTable) {
    if (binding.button == button) {
      return binding.keyCode;
    }
  }
  return std::nullopt;
}

}  // namespace quib
