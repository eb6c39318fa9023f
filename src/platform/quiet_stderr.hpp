// Keeps what libraries print on stderr away while SDL probes for devices: the windowing and
// sound libraries have their say there before the game can give its own one line.
#pragma once

namespace quib {

class QuietStderr {
 public:
  QuietStderr();
  ~QuietStderr();
  QuietStderr(const QuietStderr&) = delete;
  QuietStderr& operator=(const QuietStderr&) = delete;

 private:
  int saved_ = -1;  // stderr as it was, put back at the end
};

}  // namespace quib
