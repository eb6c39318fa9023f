// The shipped game folder, found from the executable's own place through SDL.
#include <SDL.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>

#include "platform/failure.hpp"
#include "platform/paths.hpp"

namespace quib {

GameFolder shippedGameFolder() {
  std::unique_ptr<char, decltype(&SDL_free)> base(SDL_GetBasePath(), &SDL_free);
  if (!base) {
    throw Failure(std::string("cannot find the game folder: ") + SDL_GetError());
  }
  const std::string exeDir = base.get();
  // Beside the executable in the build tree; where the installation put it otherwise.
  for (const std::string& candidate : {exeDir + "game", exeDir + QUIB_GAME_FROM_BIN}) {
    std::error_code error;
    if (std::filesystem::is_directory(candidate, error)) {
      return {std::filesystem::weakly_canonical(candidate, error).string()};
    }
  }
  throw Failure("cannot find the game folder " + exeDir + "game: " + std::strerror(ENOENT));
}

}  // namespace quib
