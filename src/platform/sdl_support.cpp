// Owners for SDL subsystems and surfaces.
#include "platform/sdl_support.hpp"

#include <SDL.h>

namespace quib {

SdlSubsystem::SdlSubsystem(std::uint32_t flags)
    : flags_(flags), started_(SDL_InitSubSystem(flags) == 0) {}

SdlSubsystem::~SdlSubsystem() {
  if (started_) {
    SDL_QuitSubSystem(flags_);
  }
}

void SurfaceFree::operator()(SDL_Surface* surface) const {
  SDL_FreeSurface(surface);
}

}  // namespace quib
