// Platform shutdown: the font renderer, then every SDL subsystem still running.
#include "platform/session.hpp"

#include <SDL.h>
#include <SDL_ttf.h>

namespace quib {

PlatformSession::~PlatformSession() {
  if (TTF_WasInit() != 0) {
    TTF_Quit();
  }
  SDL_Quit();
}

}  // namespace quib
