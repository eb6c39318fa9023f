// Game folder discovery and drive-letter path mapping.
#include "platform/paths.hpp"

#include <SDL.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

#include "platform/failure.hpp"

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

std::string driveXFolder(const std::string& fallback) {
  const char* set = std::getenv("QUIB_DRIVE_X");
  return set != nullptr && set[0] != '\0' ? set : fallback;
}

std::string driveLetterPath(const std::string& path, const std::string& driveX) {
  if (path.size() < 2 || path[1] != ':' ||
      std::tolower(static_cast<unsigned char>(path[0])) != 'x') {
    throw Failure("cannot load " + path + ": only drive X: is known");
  }
  std::string rest = path.substr(2);
  for (char& ch : rest) {
    if (ch == '\\') {
      ch = '/';
    }
  }
  if (rest.empty() || rest[0] != '/') {
    rest.insert(rest.begin(), '/');
  }
  return driveX + rest;
}

std::string workingDirectory() {
  constexpr std::size_t kFirstTry = 4096;
  constexpr std::size_t kLongest = std::size_t{1} << 20;  // no working directory is longer
  std::vector<char> buffer(kFirstTry);
  while (getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE || buffer.size() > kLongest) {
      throw Failure(std::string("cannot read the working directory: ") + std::strerror(errno));
    }
    buffer.resize(buffer.size() * 2);
  }
  return buffer.data();
}

void enterFolder(const std::string& folder) {
  if (chdir(folder.c_str()) != 0) {
    throw Failure("cannot enter game folder " + folder + ": " + std::strerror(errno));
  }
}

}  // namespace quib
