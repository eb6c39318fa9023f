// Where a run of the game takes its files from: the shipped game folder, or one of one's own,
// or a level and pictures of one's own with the rest from the shipped folder.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ui/game_window.hpp"

namespace quib {

struct GameSources {
  std::optional<std::string> gameDir;   // --game DIR
  std::optional<std::string> level;     // --level FILE
  std::optional<std::string> pictures;  // --pictures DIR
};

// Takes `--game`, `--level` or `--pictures` with its value; false for any other flag.
bool takeSourceFlag(std::string_view flag, std::string_view value, GameSources& sources);

// Enters the game folder's bin/ as the working directory and says where the pictures and the
// level are: as a game folder laid out around them would have them. Throws Failure.
GameFiles enterGame(const GameSources& sources);

}  // namespace quib
