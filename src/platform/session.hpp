// Shuts the platform's libraries down when the program ends, so nothing outlives main.
#pragma once

namespace quib {

class PlatformSession {
 public:
  PlatformSession() = default;
  ~PlatformSession();
  PlatformSession(const PlatformSession&) = delete;
  PlatformSession& operator=(const PlatformSession&) = delete;
};

}  // namespace quib
