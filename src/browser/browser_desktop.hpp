// The browser as the game's desktop: windows are the page's canvases, events come from the
// page, and the sound plays through Web Audio (page.js holds the page's side).
#pragma once

#include <cstdint>
#include <exception>
#include <memory>
#include <optional>
#include <string>

#include "platform/desktop.hpp"

namespace quib {

// Thrown by BrowserDesktop::wait when the page ends the run itself, for a run that a close
// would not end at once (the editor asks about unsaved changes first, and the page has asked).
class RunAbandoned final : public std::exception {
 public:
  const char* what() const noexcept override { return "the page ended the run"; }
};

class BrowserDesktop final : public Desktop {
 public:
  // Throws Failure for a window the page has no canvas for.
  std::unique_ptr<DesktopWindow> open(const WindowSpec& spec) override;
  // Awaits the page's next event: the game's run is suspended meanwhile, and the page goes on.
  // Throws RunAbandoned when the page ends the run.
  DesktopEvent wait(int timeoutMs) override;
  // The page fits the canvases to the browser's window itself: no room for the game to know.
  std::optional<Rect> usableArea() const override;
  std::uint64_t now() const override;
  // Plays the WAV file's first seconds, awaiting its end, a second more at most, or the
  // window's close control; a file that cannot be played is named in a note and not waited on.
  void playSoundToEnd(const std::string& path) override;
};

// The page's canvas for the window of this caption: "form2" for the start screen, "form1" for
// the game window, the editor's too ("Find Quib, please - FILE"); empty for any other.
std::string canvasOf(const std::string& caption);

}  // namespace quib
