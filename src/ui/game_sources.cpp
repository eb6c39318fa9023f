// Paths given on the command line are fixed before the game's folder is entered.
#include "ui/game_sources.hpp"

#include <filesystem>

#include "platform/failure.hpp"
#include "platform/paths.hpp"

namespace quib {
namespace {

std::string absolute(const std::string& path) {
  std::error_code error;
  const std::filesystem::path whole = std::filesystem::absolute(path, error);
  if (error) {
    throw Failure("cannot find " + path + ": " + error.message());
  }
  return whole.string();
}

}  // namespace

bool takeSourceFlag(std::string_view flag, std::string_view value, GameSources& sources) {
  std::optional<std::string>* target = flag == "--game"       ? &sources.gameDir
                                       : flag == "--level"    ? &sources.level
                                       : flag == "--pictures" ? &sources.pictures
                                                              : nullptr;
  if (target == nullptr) {
    return false;
  }
  *target = std::string(value);
  return true;
}

GameFiles enterGame(const GameSources& sources) {
  GameFiles files;
  if (sources.level) {
    files.level = absolute(*sources.level);
  }
  const GameFolder folder =
      sources.gameDir ? GameFolder{absolute(*sources.gameDir)} : shippedGameFolder();
  // QUIB_DRIVE_X moves the shipped folder's pictures; a folder of one's own has its own.
  files.driveX = sources.pictures  ? absolute(*sources.pictures)
                 : sources.gameDir ? folder.pictures()
                                   : driveXFolder(folder.pictures());
  enterFolder(folder.bin());
  return files;
}

}  // namespace quib
