// The scale the game's windows open at, and where they go, on the screen the desktop has.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/desktop.hpp"

namespace quib {

// The scale the windows open at: the one asked for, or the largest whole factor at which the
// window still fits the screen, which is said on stderr. The screen is asked each time: once
// a window has been shown, the room its frame takes is known too.
class WindowScale {
 public:
  WindowScale(const Desktop& desktop, int asked);

  // The scale for a window whose client area is `client` at 1x.
  int of(Size client);
  // Where a window of `size` asked for at `wanted` goes so that it stays on the screen.
  Point place(Point wanted, Size size) const;

 private:
  const Desktop& desktop_;
  int asked_;
  int said_ = 0;
};

// The key an event stands for in the game: a key, or a game controller's button.
std::optional<std::int16_t> keyOf(const DesktopEvent& event);

}  // namespace quib
