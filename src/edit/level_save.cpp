// Two files written beside their places, then put in place: the kept one first.
#include "edit/level_save.hpp"

#include <sys/stat.h>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <optional>
#include <sstream>
#include <string_view>

#include "formats/input_file.hpp"
#include "formats/output_file.hpp"
#include "world/level_file.hpp"

namespace quib {
namespace {

// Far beyond any level the game writes, which a file the save would keep may still be.
constexpr std::int64_t kLargestKept = std::int64_t{1} << 30;

// The bytes of the file a save replaces; nothing when there is none.
std::optional<FileBytes> previousFile(const std::string& path, std::string& error) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) {
    if (errno != ENOENT) {
      error = std::string("cannot look at it: ") + std::strerror(errno);
    }
    return std::nullopt;
  }
  FileBytes previous = readWholeFile(path, kLargestKept);
  if (!previous.ok()) {
    error = "cannot keep the file it replaces: " + previous.error;
  }
  return previous;
}

}  // namespace

std::string backupPath(const std::string& path) {
  return path + "~";
}

std::string saveLevel(const std::string& path, const Labmap& labmap, int n) {
  std::string error;
  const std::optional<FileBytes> previous = previousFile(path, error);
  if (!error.empty()) {
    return error;
  }
  std::ostringstream text;
  writeLevel(text, labmap, n);
  OutputFile level(path);
  if (!level.write(text.str())) {
    return level.error();
  }
  if (previous) {
    const std::string kept = backupPath(path);
    OutputFile backup(kept);
    const std::string_view bytes(reinterpret_cast<const char*>(previous->bytes.data()),
                                 previous->bytes.size());
    if (!backup.write(bytes) || !backup.commit()) {
      return "cannot keep the file it replaces as " + kept + ": " + backup.error();
    }
  }
  if (!level.commit()) {
    return level.error();
  }
  return {};
}

}  // namespace quib
