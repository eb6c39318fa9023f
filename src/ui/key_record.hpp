// A record of the keys a game handles, one decimal code a line, for replaying a bug report.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>

namespace quib {

class KeyRecord {
 public:
  // Starts the record afresh; throws Failure naming the file when it cannot be written.
  explicit KeyRecord(const std::string& path);

  // Writes the code and hands it to the file at once, so that a crash loses nothing.
  void add(std::int16_t keyCode);

 private:
  std::string path_;
  std::ofstream out_;
  bool complained_ = false;
};

}  // namespace quib
