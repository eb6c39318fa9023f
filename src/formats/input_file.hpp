// The files the game reads: only regular files, found to be such without waiting on anything,
// with the reason in words when one cannot be read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quib {

class InputFile {
 public:
  // Opens `path` for reading. A FIFO, device, socket or folder is refused at once, so nothing
  // ever waits for a writer. When not ok(), error() holds the reason, as the system words it
  // ("No such file or directory") or as "a FIFO, not a regular file".
  explicit InputFile(const std::string& path);
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  bool ok() const { return fd_ >= 0; }
  const std::string& error() const { return error_; }
  // The size the file gave when it was opened: a hint only (the files of /proc give 0).
  std::int64_t size() const { return size_; }

  // Reads up to `count` bytes; the number read, 0 at the end, -1 when reading fails (errno).
  std::ptrdiff_t read(unsigned char* buffer, std::size_t count);

 private:
  int fd_ = -1;
  std::string error_;
  std::int64_t size_ = 0;
};

// What a path names when it is not a regular file, in words for a message: "Is a directory",
// "a FIFO, not a regular file", "a character device, not a regular file"... `mode` is a stat
// st_mode.
std::string notARegularFile(unsigned mode);

// A whole file in memory, or why not: missing, not a regular file, unreadable, larger than
// `limit` bytes ("larger than N bytes"), or still being read after a few seconds. The file is
// read to its end whatever size it says it has (the files of /proc say 0).
struct FileBytes {
  std::vector<unsigned char> bytes;
  std::string error;
  bool ok() const { return error.empty(); }
};
FileBytes readWholeFile(const std::string& path, std::int64_t limit);

// A file's bytes one at a time, through a buffer of bounded size.
class ByteReader {
 public:
  static constexpr int kEnd = -1;

  explicit ByteReader(InputFile& file) : file_(file) {}

  // The byte `ahead` places on (a few at most), or kEnd.
  int peek(std::size_t ahead = 0);
  int take();
  // Whether reading the file failed (not merely ended).
  bool failed() const { return failed_; }

 private:
  bool fill(std::size_t wanted);

  static constexpr std::size_t kBuffer = 1 << 16;
  InputFile& file_;
  std::vector<unsigned char> buffer_ = std::vector<unsigned char>(kBuffer);
  std::size_t at_ = 0;
  std::size_t end_ = 0;
  bool failed_ = false;
  bool ended_ = false;
};

// Text found in a file, fit to quote in a one-line message: in double quotes, at most its
// first 24 bytes (then "..."), a quote or backslash escaped with a backslash and every byte
// that does not print as \xHH.
std::string quoted(const std::string& text);

}  // namespace quib
