// SDL's game controller API: any pad it knows the layout of reads as one standard pad.
#include "platform/gamepads.hpp"

#include <SDL.h>

namespace quib {

void Gamepads::Close::operator()(SDL_GameController* pad) const {
  SDL_GameControllerClose(pad);
}

std::optional<DesktopEvent> Gamepads::translate(const SDL_Event& event) {
  switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
      // SDL reports the pads present at start this way too.
      if (SDL_GameController* pad = SDL_GameControllerOpen(event.cdevice.which)) {
        pads_[SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad))].reset(pad);
      }
      return std::nullopt;
    case SDL_CONTROLLERDEVICEREMOVED:
      pads_.erase(event.cdevice.which);
      return std::nullopt;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP: {
      const auto button = padButtonOf(event.cbutton.button);
      if (!button) {
        return std::nullopt;
      }
      DesktopEvent out;
      out.kind = event.type == SDL_CONTROLLERBUTTONDOWN ? DesktopEvent::Kind::kPadDown
                                                        : DesktopEvent::Kind::kPadUp;
      out.pad = *button;
      return out;
    }
    default:
      return std::nullopt;
  }
}

std::optional<PadButton> padButtonOf(int sdlButton) {
  switch (sdlButton) {
    case SDL_CONTROLLER_BUTTON_A:
      return PadButton::kA;
    case SDL_CONTROLLER_BUTTON_B:
      return PadButton::kB;
    case SDL_CONTROLLER_BUTTON_X:
      return PadButton::kX;
    case SDL_CONTROLLER_BUTTON_Y:
      return PadButton::kY;
    case SDL_CONTROLLER_BUTTON_BACK:
      return PadButton::kBack;
    case SDL_CONTROLLER_BUTTON_START:
      return PadButton::kStart;
    case SDL_CONTROLLER_BUTTON_LEFTSHOULDER:
      return PadButton::kLeftShoulder;
    case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER:
      return PadButton::kRightShoulder;
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
      return PadButton::kUp;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
      return PadButton::kDown;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
      return PadButton::kLeft;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
      return PadButton::kRight;
    default:
      return std::nullopt;
  }
}

}  // namespace quib
