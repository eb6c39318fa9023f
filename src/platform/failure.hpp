// The one error type of start-up and the platform services: a line for the player.
#pragma once

#include <stdexcept>
#include <string>

namespace quib {

// Raised where the game cannot go on; its text names the file (or device) and the reason.
class Failure : public std::runtime_error {
 public:
  explicit Failure(const std::string& line) : std::runtime_error(line) {}
};

// The platform's error report: the line on stderr, and a message box where a display is up.
void reportError(const std::string& line);

}  // namespace quib
