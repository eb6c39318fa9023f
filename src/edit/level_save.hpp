// The editor's save: the level file replaced whole, the one it replaces kept beside it.
#pragma once

#include <string>

#include "world/world.hpp"

namespace quib {

// The name the file a save replaces is kept under: FILE~.
std::string backupPath(const std::string& path);

// Writes the level of extent n as the file at `path`, as the game reads it, and keeps the file
// it replaces, if any, as backupPath(path). Both are written in full beside their places before
// either is put in place, so a save that fails (a full disk, a folder that may not be written)
// leaves both files as they were. The reason when it fails, else an empty string.
std::string saveLevel(const std::string& path, const Labmap& labmap, int n);

}  // namespace quib
