// SDL pieces the platform's files share: owners for subsystems and surfaces, and the video
// drivers that show nothing.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

struct SDL_Surface;

namespace quib {

// One SDL subsystem, up for the object's life. SDL counts the starts, so owners may nest.
class SdlSubsystem {
 public:
  explicit SdlSubsystem(std::uint32_t flags);
  ~SdlSubsystem();
  SdlSubsystem(const SdlSubsystem&) = delete;
  SdlSubsystem& operator=(const SdlSubsystem&) = delete;

  // When false, SDL_GetError() says why.
  bool started() const { return started_; }

 private:
  std::uint32_t flags_;
  bool started_;
};

struct SurfaceFree {
  void operator()(SDL_Surface* surface) const;
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceFree>;

// The drivers SDL falls back to without a display: they draw nowhere.
constexpr bool showsNothing(std::string_view videoDriver) {
  return videoDriver == "dummy" || videoDriver == "offscreen";
}

// Whether the environment names a display to open, X11's or Wayland's.
bool displayNamed();

}  // namespace quib
