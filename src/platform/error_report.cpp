// Reports a fatal error on stderr and, where a real display is up, in a message box.
#include <SDL.h>

#include <cstdio>
#include <string_view>

#include "platform/failure.hpp"

namespace quib {

void reportError(const std::string& line) {
  std::fprintf(stderr, "quib: %s\n", line.c_str());
  if (SDL_WasInit(SDL_INIT_VIDEO) == 0) {
    return;
  }
  const char* driver = SDL_GetCurrentVideoDriver();
  const std::string_view name = driver != nullptr ? driver : "";
  if (name.empty() || name == "dummy" || name == "offscreen") {
    return;
  }
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Quib", line.c_str(), nullptr);
}

}  // namespace quib
