// Drive-letter path mapping and the working directory: nothing here needs a desktop.
#include "platform/paths.hpp"

#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/failure.hpp"

namespace quib {

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
