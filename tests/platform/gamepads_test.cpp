// Game controllers through SDL's virtual joystick: plugged in, pressed, unplugged.
#include "platform/gamepads.hpp"

#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

namespace quib {
namespace {

TEST(Gamepads, ButtonsOfAPlugInPadBecomeTheGamesEvents) {
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
  Gamepads pads;
  const auto drain = [&] {
    std::vector<DesktopEvent> got;
    SDL_GameControllerUpdate();
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
      if (const auto translated = pads.translate(event)) {
        got.push_back(*translated);
      }
    }
    return got;
  };
  SDL_VirtualJoystickDesc desc{};
  desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
  desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
  desc.naxes = SDL_CONTROLLER_AXIS_MAX;
  desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
  desc.name = "a pad for the tests";
  const int index = SDL_JoystickAttachVirtualEx(&desc);
  ASSERT_GE(index, 0) << SDL_GetError();
  EXPECT_TRUE(drain().empty()) << "plugging in is no press";
  const SDL_JoystickID instance = SDL_JoystickGetDeviceInstanceID(index);
  ASSERT_NE(SDL_GameControllerFromInstanceID(instance), nullptr) << "opened when it came";
  SDL_Joystick* joystick = SDL_JoystickFromInstanceID(instance);
  ASSERT_NE(joystick, nullptr);

  const struct {
    SDL_GameControllerButton button;
    PadButton pad;
  } cases[] = {
      {SDL_CONTROLLER_BUTTON_DPAD_UP, PadButton::kUp},
      {SDL_CONTROLLER_BUTTON_DPAD_DOWN, PadButton::kDown},
      {SDL_CONTROLLER_BUTTON_DPAD_LEFT, PadButton::kLeft},
      {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, PadButton::kRight},
      {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, PadButton::kLeftShoulder},
      {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, PadButton::kRightShoulder},
      {SDL_CONTROLLER_BUTTON_A, PadButton::kA},
      {SDL_CONTROLLER_BUTTON_Y, PadButton::kY},
      {SDL_CONTROLLER_BUTTON_BACK, PadButton::kBack},
  };
  for (const auto& c : cases) {
    SDL_JoystickSetVirtualButton(joystick, c.button, 1);
    std::vector<DesktopEvent> got = drain();
    SDL_JoystickSetVirtualButton(joystick, c.button, 0);
    const std::vector<DesktopEvent> released = drain();
    ASSERT_EQ(got.size(), 1u) << SDL_GameControllerGetStringForButton(c.button);
    EXPECT_EQ(got[0].kind, DesktopEvent::Kind::kPadDown);
    EXPECT_EQ(got[0].pad, c.pad) << SDL_GameControllerGetStringForButton(c.button);
    ASSERT_EQ(released.size(), 1u) << SDL_GameControllerGetStringForButton(c.button);
    EXPECT_EQ(released[0].kind, DesktopEvent::Kind::kPadUp);
  }
  SDL_JoystickDetachVirtual(index);
  drain();
  EXPECT_EQ(SDL_GameControllerFromInstanceID(instance), nullptr) << "closed when it went";
  SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

}  // namespace
}  // namespace quib
