// What the game needs of the desktop: windows showing memory pictures, their events, sound.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "canvas/image.hpp"
#include "world/key_codes.hpp"

namespace quib {

// A top-level window as the game asks for it.
struct WindowSpec {
  std::string caption;
  int width = 0;  // client area, in pixels
  int height = 0;
  // Where the client area's top-left corner goes; nothing lets the window system choose.
  std::optional<Point> position;
  bool resizable = false;
  const Image* icon = nullptr;
  // The client area cannot be made smaller than this; 0 x 0 sets no limit.
  Size minimum;
};

// The pointer's buttons the game tells apart; the others never reach it.
enum class PointerButton { kPrimary, kSecondary };

// What reaches the game from the window system, translated at the boundary.
struct DesktopEvent {
  enum class Kind {
    kTimeout,       // nothing happened before the wait ran out
    kClose,         // the window's close control, or the whole session ends
    kExposed,       // the window must be shown again, whole (uncovered, resized)
    kPointerMoved,  // x, y in client pixels: the picture's, however it is scaled
    kPointerLeft,
    kPointerDown,  // button, x, y in client pixels
    kPointerUp,
    kKeyDown,  // keyCode: a virtual-key code, with control and shift; auto-repeat included
    kKeyUp,
    kPadDown,  // pad: a game controller's button
    kPadUp,
  };
  // Which window an event concerns does not matter: one window at a time takes input, the
  // start screen until "Start", the game window after it.
  Kind kind = Kind::kTimeout;
  int x = 0;
  int y = 0;
  std::int16_t keyCode = 0;
  PadButton pad = PadButton::kA;
  PointerButton button = PointerButton::kPrimary;
  // Held with the key: Ctrl (either) and Shift (either).
  bool control = false;
  bool shift = false;
};

class DesktopWindow {
 public:
  virtual ~DesktopWindow() = default;
  virtual void show() = 0;
  virtual void hide() = 0;
  // The text of the window's title bar, in place of the one it opened with.
  virtual void setCaption(const std::string& caption) = 0;
  // Shows the picture as the client area: scaled by the largest whole factor that fits the
  // window's present size (shrunk with its aspect kept when even 1x does not), centred.
  // Nothing but the rectangles `changed` differs from the picture presented before: where
  // the window still shows that one as it was, it may draw those alone.
  virtual void present(const Image& picture, std::span<const Rect> changed) = 0;
  void presentWhole(const Image& picture) {
    const Rect all{0, 0, picture.width(), picture.height()};
    present(picture, {&all, 1});
  }
};

class Desktop {
 public:
  virtual ~Desktop() = default;
  // Opens a hidden window; throws Failure when the window system refuses.
  virtual std::unique_ptr<DesktopWindow> open(const WindowSpec& spec) = 0;
  // The next event the game may act on, or kTimeout after `timeoutMs` (negative: no limit;
  // 0: at once, unless an event is already waiting).
  virtual DesktopEvent wait(int timeoutMs) = 0;
  // The part of the screen a window's client area may take: the screen without the desktop's
  // own panels, and without a window's frame where that is known; nothing when unknown.
  virtual std::optional<Rect> usableArea() const = 0;
  // Milliseconds on a clock that only goes forward.
  virtual std::uint64_t now() const = 0;
  // Plays the sound file and returns once it has been heard, or at once when the window is
  // closed meanwhile (see sound.hpp).
  virtual void playSoundToEnd(const std::string& path) = 0;
};

// The real desktop, on SDL's video driver; throws Failure when there is no display.
std::unique_ptr<Desktop> openDesktop();

}  // namespace quib
