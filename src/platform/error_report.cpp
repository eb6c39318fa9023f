// Reports a fatal error on stderr and, where a real display is up, in a message box.
#include <SDL.h>

#include <cstdlib>

#include "formats/message.hpp"
#include "platform/failure.hpp"
#include "platform/sdl_support.hpp"

namespace quib {
namespace {

// A message box needs a real display; the drivers that draw nowhere have none.
bool hasDisplay() {
  const char* driver = std::getenv("SDL_VIDEODRIVER");
  return !showsNothing(driver != nullptr ? driver : "") && displayNamed();
}

}  // namespace

void reportError(const std::string& line) {
  sayLine("quib", line);
  if (hasDisplay()) {
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Quib", oneLine(line).c_str(), nullptr);
  }
}

}  // namespace quib
