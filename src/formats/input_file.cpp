// Opening without blocking, then a look at what the path names before anything is read.
#include "formats/input_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

namespace quib {

std::string notARegularFile(unsigned mode) {
  if (S_ISDIR(mode)) {
    return std::strerror(EISDIR);
  }
  const char* kind = S_ISFIFO(mode)   ? "a FIFO"
                     : S_ISCHR(mode)  ? "a character device"
                     : S_ISBLK(mode)  ? "a block device"
                     : S_ISSOCK(mode) ? "a socket"
                                      : "not a file";
  return std::string(kind) + ", not a regular file";
}

InputFile::InputFile(const std::string& path) {
  // Without O_NONBLOCK, opening a FIFO would wait for a writer that may never come.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    error_ = std::strerror(errno);
    return;
  }
  struct stat about {};
  if (::fstat(fd, &about) != 0) {
    error_ = std::strerror(errno);
    ::close(fd);
    return;
  }
  if (!S_ISREG(about.st_mode)) {
    error_ = notARegularFile(about.st_mode);
    ::close(fd);
    return;
  }
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0) {
    ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  }
  fd_ = fd;
  size_ = about.st_size;
}

InputFile::~InputFile() {
  if (fd_ >= 0) {
    ::close(fd_);
  }
}

std::ptrdiff_t InputFile::read(unsigned char* buffer, std::size_t count) {
  for (;;) {
    const ssize_t got = ::read(fd_, buffer, count);
    if (got >= 0 || errno != EINTR) {
      return got;
    }
  }
}

namespace {

// Reading a file for longer than this is a fault of the disk or the network it lies on.
constexpr std::chrono::seconds kLongestRead{5};

// Reads the file to its end into `bytes`, past `limit` bytes never; the reason when it cannot.
// The size the file gives is only a hint: a file of /proc gives 0 and holds text, and a file
// may grow while it is read.
std::string readToEnd(InputFile& file, std::int64_t limit, std::vector<unsigned char>& bytes) {
  constexpr std::size_t kChunk = std::size_t{1} << 16;
  const auto most = static_cast<std::size_t>(limit) + 1;  // one byte past shows a larger file
  const auto start = std::chrono::steady_clock::now();
  // Room for the size given and one byte more, where the end shows: a file that keeps its
  // word takes one allocation.
  bytes.resize(std::min(static_cast<std::size_t>(file.size()) + 1, most));
  std::size_t have = 0;
  for (;;) {
    if (have == bytes.size()) {
      bytes.resize(std::min(have + kChunk, most));
    }
    const std::ptrdiff_t got = file.read(bytes.data() + have, bytes.size() - have);
    if (got <= 0) {
      bytes.resize(have);
      return got < 0 ? std::strerror(errno) : "";
    }
    have += static_cast<std::size_t>(got);
    if (have >= most) {
      return "larger than " + std::to_string(limit) + " bytes";
    }
    if (std::chrono::steady_clock::now() - start > kLongestRead) {
      return "still being read after " + std::to_string(kLongestRead.count()) + " seconds";
    }
  }
}

}  // namespace

FileBytes readWholeFile(const std::string& path, std::int64_t limit) {
  InputFile file(path);
  if (!file.ok()) {
    return {{}, file.error()};
  }
  if (file.size() > limit) {
    return {{}, "larger than " + std::to_string(limit) + " bytes"};
  }
  FileBytes out;
  out.error = readToEnd(file, limit, out.bytes);
  if (!out.ok()) {
    out.bytes.clear();
  }
  return out;
}

bool ByteReader::fill(std::size_t wanted) {
  while (end_ - at_ < wanted && !ended_ && !failed_) {
    if (at_ > 0) {
      std::copy(buffer_.begin() + static_cast<std::ptrdiff_t>(at_),
                buffer_.begin() + static_cast<std::ptrdiff_t>(end_), buffer_.begin());
      end_ -= at_;
      at_ = 0;
    }
    const std::ptrdiff_t got = file_.read(buffer_.data() + end_, buffer_.size() - end_);
    if (got < 0) {
      failed_ = true;
    } else if (got == 0) {
      ended_ = true;
    } else {
      end_ += static_cast<std::size_t>(got);
    }
  }
  return end_ - at_ >= wanted;
}

int ByteReader::peek(std::size_t ahead) {
  return fill(ahead + 1) ? buffer_[at_ + ahead] : kEnd;
}

int ByteReader::take() {
  const int byte = peek();
  if (byte != kEnd) {
    ++at_;
  }
  return byte;
}

std::string quoted(const std::string& text) {
  constexpr std::size_t kShown = 24;
  constexpr unsigned char kFirstPrinting = 0x20;  // the blank
  constexpr unsigned char kDelete = 0x7f;
  constexpr unsigned kNibble = 4;
  constexpr unsigned kNibbleMask = 0xfu;
  std::string out = "\"";
  for (std::size_t k = 0; k < text.size() && k < kShown; ++k) {
    const auto ch = static_cast<unsigned char>(text[k]);
    if (ch == '"' || ch == '\\') {
      out += '\\';
      out += static_cast<char>(ch);
    } else if (ch >= kFirstPrinting && ch < kDelete) {
      out += static_cast<char>(ch);
    } else {
      static const char* const kHex = "0123456789abcdef";
      out += "\\x";
      out += kHex[ch >> kNibble];
      out += kHex[ch & kNibbleMask];
    }
  }
  if (text.size() > kShown) {
    out += "...";
  }
  return out + "\"";
}

}  // namespace quib
