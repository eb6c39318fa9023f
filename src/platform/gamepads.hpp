// Game controllers: opened as they come (at start or plugged in later), closed as they go,
// their buttons turned into the game's own events.
#pragma once

#include <map>
#include <memory>
#include <optional>

#include "platform/desktop.hpp"

union SDL_Event;
struct _SDL_GameController;  // NOLINT(bugprone-reserved-identifier): SDL's own name

namespace quib {

// Owns the controllers it opens, so it cannot be copied.
class Gamepads {
 public:
  // Opens or closes a controller for the device events; a button press or release as the
  // game's event; nothing for any other event.
  std::optional<DesktopEvent> translate(const SDL_Event& event);

 private:
  struct Close {
    void operator()(_SDL_GameController* pad) const;
  };
  std::map<int, std::unique_ptr<_SDL_GameController, Close>> pads_;  // by joystick instance
};

// The game's name for an SDL controller button; nothing for buttons the game has no use for.
std::optional<PadButton> padButtonOf(int sdlButton);

}  // namespace quib
