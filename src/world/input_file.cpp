// One way to open the game's input files, so every file's failure reads the same.
#include "world/input_file.hpp"

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace quib {

std::string openForReading(const std::string& path, std::ifstream& in) {
  // A folder opens as a stream on Linux and then reads nothing: say what it is.
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored)) {
    return std::strerror(EISDIR);
  }
  errno = 0;
  in.open(path, std::ios::binary);
  if (!in) {
    return std::strerror(errno != 0 ? errno : ENOENT);
  }
  return {};
}

}  // namespace quib
