// The level file: the extent n, then the two codes of every point, column by column.
#pragma once

#include <ostream>
#include <string>

#include "world/world.hpp"

namespace quib {

// The outcome of reading a level. On failure `error` holds one line naming the file and
// the reason, and the grid handed in is left untouched.
struct LevelRead {
  int n = 0;
  std::string error;
  // Values after the last one the level needs, which the game never reads; counted only when
  // asked for, up to the end or the first field that is no value.
  long valuesAfter = 0;

  bool ok() const { return error.empty(); }
};

// Reads the level at `path` into `labmap`. Values are whole numbers separated by commas or
// line ends; the grid is only written once the whole level has been read. With
// `countValuesAfter` the rest of the file is read too, for what follows the level.
LevelRead readLevel(const std::string& path, Labmap& labmap, bool countValuesAfter = false);

// Writes the level of extent n in the file's own order, one column per line, so that it
// reads back as it is.
void writeLevel(std::ostream& out, const Labmap& labmap, int n);

// The level file's place: the working directory joined as plain text with the fixed tail.
std::string levelPath(const std::string& workingDirectory);

}  // namespace quib
