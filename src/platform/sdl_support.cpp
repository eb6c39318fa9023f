// Owners for SDL subsystems and surfaces.
#include "platform/sdl_support.hpp"

#include <SDL.h>

#include <cstdlib>

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

bool displayNamed() {
  const auto set = [](const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
  };
  return set("DISPLAY") || set("WAYLAND_DISPLAY");
}

}  // namespace quib
