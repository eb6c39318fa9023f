// SDL pieces the platform's files share: owners for subsystems and surfaces, a surface's
// pixels, and the video drivers that show nothing.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

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

// A surface's pixels as 0xAARRGGBB, row by row from the top.
struct ArgbPixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
};
// Nothing when SDL cannot convert the surface; SDL_GetError() says why.
std::optional<ArgbPixels> argbPixelsOf(SDL_Surface* surface);

// The drivers SDL falls back to without a display: they draw nowhere.
constexpr bool showsNothing(std::string_view videoDriver) {
  return videoDriver == "dummy" || videoDriver == "offscreen";
}

}  // namespace quib
