// The files the programs write: whole or not at all, never in the place of anything but a file.
#pragma once

#include <string>
#include <string_view>

namespace quib {

// A file written beside its place under a name of its own, and put in its place only when
// complete: until commit() the path keeps whatever it held, and a failure on the way leaves
// it so, with no temporary file behind.
class OutputFile {
 public:
  // Makes the temporary file beside `path`. A path that names something other than a regular
  // file (a device, a FIFO, a folder, a socket), or a file that may not be written, is refused
  // before anything is written. When not ok(), error() holds the reason, as the system words it
  // ("Permission denied") or as "a character device, not a regular file".
  explicit OutputFile(const std::string& path);
  // A file not committed is dropped: the temporary file goes, the path is left as it was.
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  bool ok() const { return error_.empty(); }
  const std::string& error() const { return error_; }

  // Appends the bytes, handed to the system before it returns, so that a crash of the program
  // loses none of them (they are then in the temporary file). False, with the reason in
  // error() and the file dropped, when they cannot be written; so is every call after that.
  bool write(std::string_view bytes);

  // Puts the file in place: its bytes on the disk first, then its name. False, with the reason
  // in error() and the file dropped, when that fails.
  bool commit();

 private:
  void create(const std::string& folder, const std::string& name, const unsigned* keptMode);
  bool fail(int error);
  void drop();

  int folder_ = -1;  // held open, so a change of working directory moves nothing
  int fd_ = -1;
  std::string name_;
  std::string temporary_;
  std::string error_;
};

// Writes `bytes` as the whole of the file at `path` through an OutputFile; the reason when it
// cannot, else an empty string.
std::string writeWholeFile(const std::string& path, std::string_view bytes);

}  // namespace quib
