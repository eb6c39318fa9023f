// Owners for SDL handles and the one conversion of surfaces into plain pixels.
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

std::optional<ArgbPixels> argbPixelsOf(SDL_Surface* surface) {
  const SurfacePtr argb(SDL_ConvertSurfaceFormat(surface, SDL_PIXELFORMAT_ARGB8888, 0));
  if (!argb) {
    return std::nullopt;
  }
  ArgbPixels out{argb->w, argb->h, {}};
  out.pixels.reserve(static_cast<std::size_t>(argb->w) * static_cast<std::size_t>(argb->h));
  for (int y = 0; y < argb->h; ++y) {
    const auto* from = reinterpret_cast<const std::uint32_t*>(
        static_cast<const Uint8*>(argb->pixels) + static_cast<std::ptrdiff_t>(y) * argb->pitch);
    out.pixels.insert(out.pixels.end(), from, from + argb->w);
  }
  return out;
}

}  // namespace quib
