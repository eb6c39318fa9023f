// Writing beside the file and renaming into its place, with the system's words for what failed.
#include "formats/output_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <utility>

#include "formats/input_file.hpp"

namespace quib {
namespace {

constexpr unsigned kPermissionBits = 07777;
constexpr mode_t kNewFileMode = 0666;  // less the umask, as for any program's new file

// "a/b.png" lies in "a/" under "b.png"; "b.png" lies in ".".
struct Place {
  std::string folder;
  std::string name;
};

Place placeOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) {
    return {".", path};
  }
  return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

// A hidden name of its own beside the file: its name, cut short so that the whole stays a name
// the system takes, and random letters.
std::string temporaryName(const std::string& name, std::mt19937& random) {
  constexpr std::size_t kLongestKept = 200;
  constexpr int kRandomLetters = 6;
  static constexpr char kLetters[] =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::uniform_int_distribution<std::size_t> letter(0, sizeof kLetters - 2);
  std::string out = "." + name.substr(0, kLongestKept) + ".";
  for (int k = 0; k < kRandomLetters; ++k) {
    out += kLetters[letter(random)];
  }
  return out;
}

}  // namespace

OutputFile::OutputFile(const std::string& path) {
  struct stat about {};
  const bool exists = ::stat(path.c_str(), &about) == 0;
  if (!exists && errno != ENOENT) {
    fail(errno);
    return;
  }
  std::string target = path;
  if (exists) {
    if (!S_ISREG(about.st_mode)) {
      error_ = notARegularFile(about.st_mode);
      return;
    }
    // A file one may not write is not replaced either, though its folder would allow it.
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) {
      fail(errno);
      return;
    }
    // Through a link the file it leads to is replaced, and the link stays.
    const std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr),
                                                           &std::free);
    if (!real) {
      fail(errno);
      return;
    }
    target = real.get();
  }
  const Place place = placeOf(target);
  if (place.name.empty() || place.name == "." || place.name == "..") {
    fail(EISDIR);
    return;
  }
  const unsigned kept = about.st_mode & kPermissionBits;
  create(place.folder, place.name, exists ? &kept : nullptr);
}

void OutputFile::create(const std::string& folder, const std::string& name,
                        const unsigned* keptMode) {
  folder_ = ::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
  if (folder_ < 0) {
    fail(errno);
    return;
  }
  name_ = name;
  std::random_device seed;
  std::mt19937 random(seed());
  constexpr int kTries = 100;
  int error = EEXIST;
  for (int t = 0; t < kTries && fd_ < 0 && error == EEXIST; ++t) {
    temporary_ = temporaryName(name, random);
    // O_EXCL, not mkstemp: the mode given here is narrowed by the umask as for any new file.
    fd_ = ::openat(folder_, temporary_.c_str(),
                   O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY, kNewFileMode);
    error = errno;
  }
  if (fd_ < 0) {
    temporary_.clear();
    fail(error);
    return;
  }
  // A file replaced keeps its permissions: only its bytes change.
  if (keptMode != nullptr && ::fchmod(fd_, *keptMode) != 0) {
    fail(errno);
  }
}

OutputFile::~OutputFile() {
  drop();
  if (folder_ >= 0) {
    ::close(folder_);
  }
}

bool OutputFile::fail(int error) {
  if (error_.empty()) {
    error_ = std::strerror(error);
  }
  drop();
  return false;
}

void OutputFile::drop() {
  if (fd_ >= 0) {
    ::close(std::exchange(fd_, -1));
  }
  if (!temporary_.empty()) {
    ::unlinkat(folder_, temporary_.c_str(), 0);
    temporary_.clear();
  }
}

bool OutputFile::write(std::string_view bytes) {
  if (!ok()) {
    return false;
  }
  while (!bytes.empty()) {
    const ssize_t put = ::write(fd_, bytes.data(), bytes.size());
    if (put < 0 && errno == EINTR) {
      continue;
    }
    if (put <= 0) {
      return fail(put < 0 ? errno : EIO);
    }
    bytes.remove_prefix(static_cast<std::size_t>(put));
  }
  return true;
}

bool OutputFile::commit() {
  if (!ok()) {
    return false;
  }
  if (temporary_.empty()) {
    return true;  // in place already
  }
  // A full disk may show only now, when the bytes have to find room.
  if (::fsync(fd_) != 0 || ::close(std::exchange(fd_, -1)) != 0) {
    return fail(errno);
  }
  if (::renameat(folder_, temporary_.c_str(), folder_, name_.c_str()) != 0) {
    return fail(errno);
  }
  temporary_.clear();
  // The new name on the disk too; a folder that cannot be synced still holds the file.
  const int folder = ::openat(folder_, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    ::fsync(folder);
    ::close(folder);
  }
  return true;
}

std::string writeWholeFile(const std::string& path, std::string_view bytes) {
  OutputFile file(path);
  if (file.write(bytes)) {
    file.commit();
  }
  return file.error();
}

}  // namespace quib
