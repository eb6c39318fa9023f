// Standard error pointed at /dev/null for a while, then back where it was.
#include "platform/quiet_stderr.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace quib {

QuietStderr::QuietStderr() {
  std::fflush(stderr);
  const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
  if (null < 0) {
    return;  // nowhere to send the chatter: let it through
  }
  saved_ = ::dup(STDERR_FILENO);
  if (saved_ >= 0) {
    ::dup2(null, STDERR_FILENO);
  }
  ::close(null);
}

QuietStderr::~QuietStderr() {
  if (saved_ >= 0) {
    std::fflush(stderr);
    ::dup2(saved_, STDERR_FILENO);
    ::close(saved_);
  }
}

}  // namespace quib
