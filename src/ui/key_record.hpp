// A record of the keys a game handles, one decimal code a line, for replaying a bug report.
#pragma once

#include <cstdint>
#include <string>

#include "formats/output_file.hpp"

namespace quib {

// The keys go, as they are handled, to a file beside the record's place, which takes it when
// the game ends: an old record stays whole until then, and after a crash the keys are in the
// file beside it.
class KeyRecord {
 public:
  // Starts the record; throws Failure naming the file when it cannot be written there, such as
  // a path that names anything but a regular file.
  explicit KeyRecord(const std::string& path);
  // Puts the record in place when finish() has not and a key was recorded: an error that ends
  // the game ends the record too, and one that ends it before its first key (no display, say)
  // leaves the old record as it was. A failure is said on stderr.
  ~KeyRecord();
  KeyRecord(const KeyRecord&) = delete;
  KeyRecord& operator=(const KeyRecord&) = delete;

  // Writes the code and hands it to the file at once, so that a crash loses nothing.
  void add(std::int16_t keyCode);

  // Puts the record in place; throws Failure naming the file when it cannot, or when a key
  // could not be written (the old record then stays).
  void finish();

 private:
  std::string path_;
  OutputFile out_;
  bool finished_ = false;
  bool complained_ = false;
  bool anyKey_ = false;
};

}  // namespace quib
