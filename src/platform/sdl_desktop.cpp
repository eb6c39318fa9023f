// The desktop on SDL2: video without OpenGL, windows presenting memory pictures, and SDL's
// events translated into the game's own at this boundary, the desktop's own keys taken.
#include <SDL.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>

#include "formats/message.hpp"
#include "platform/desktop.hpp"
#include "platform/failure.hpp"
#include "platform/gamepads.hpp"
#include "platform/keys.hpp"
#include "platform/quiet_stderr.hpp"
#include "platform/sdl_support.hpp"
#include "platform/sdl_window.hpp"
#include "platform/sound.hpp"
#include "platform/x11_errors.hpp"

namespace quib {
namespace {

class SdlDesktop final : public Desktop {
 public:
  SdlDesktop() {
    if (const char* missing = missingDisplay()) {
      throw Failure(std::string("cannot open the game window: no display (") + missing + ")");
    }
    // The game draws every pixel itself. Without this hint SDL opens a hidden OpenGL context
    // to choose how to present, which loads the GL drivers (Mesa, LLVM) where they are
    // installed: a quarter of a second at start, and buffers they never free.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    forgiveSendsToClosedWindows();
    {
      const QuietStderr quiet;
      video_.emplace(SDL_INIT_VIDEO);
    }
    if (!video_->started()) {
      throw Failure(std::string("cannot open the game window: no display (") + SDL_GetError() +
                    ")");
    }
    // Without a display SDL falls back to drivers that show nothing; the game would wait
    // for keys that never come.
    const std::string driver = SDL_GetCurrentVideoDriver();
    if (showsNothing(driver)) {
      throw Failure("cannot open the game window: no display (the " + driver +
                    " video driver shows nothing)");
    }
    // Keys are read as keys; text events, from the keypad say, are not wanted.
    SDL_StopTextInput();
    // Game controllers if there may be any: a machine without them plays with the keys.
    {
      const QuietStderr quiet;
      controllers_.emplace(SDL_INIT_GAMECONTROLLER);
    }
  }

  std::unique_ptr<DesktopWindow> open(const WindowSpec& spec) override {
    return std::make_unique<SdlWindow>(spec, shown_);
  }

  DesktopEvent wait(int timeoutMs) override {
    const Uint64 deadline = SDL_GetTicks64() + static_cast<Uint64>(std::max(timeoutMs, 0));
    for (;;) {
      SDL_Event event;
      if (timeoutMs < 0) {
        if (SDL_WaitEvent(&event) == 0) {  // the event queue itself failed: nothing more comes
          return DesktopEvent{DesktopEvent::Kind::kClose};
        }
      } else {
        const Uint64 now = SDL_GetTicks64();
        const int left = now >= deadline ? 0 : static_cast<int>(deadline - now);
        // With no time left, what is already queued is still taken: a wait of 0 asks just
        // that.
        const int got = left == 0 ? SDL_PollEvent(&event) : SDL_WaitEventTimeout(&event, left);
        if (got == 0) {
          if (left == 0) {
            return DesktopEvent{};
          }
          continue;
        }
      }
      if (const auto translated = handle(event)) {
        return *translated;
      }
    }
  }

  std::optional<Rect> usableArea() const override {
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) {
      return std::nullopt;
    }
    return Rect{usable.x + frame_.left, usable.y + frame_.top,
                usable.w - frame_.left - frame_.right, usable.h - frame_.top - frame_.bottom};
  }

  std::uint64_t now() const override { return SDL_GetTicks64(); }

  void playSoundToEnd(const std::string& path) override { quib::playSoundToEnd(path); }

 private:
  // With no video driver chosen, SDL looks for a display on its own, and the windowing
  // libraries complain on stderr where there is none: look first. Says what is missing.
  static const char* missingDisplay() {
    const char* driver = std::getenv("SDL_VIDEODRIVER");
    if ((driver != nullptr && driver[0] != '\0') || displayNamed()) {
      return nullptr;
    }
    return "neither DISPLAY nor WAYLAND_DISPLAY is set";
  }

  // The game's event for an SDL event, if it has one; what only the desktop acts on is taken
  // here.
  std::optional<DesktopEvent> handle(const SDL_Event& event) {
    if (event.type == SDL_WINDOWEVENT) {
      noteFrame(event.window.windowID);
    }
    if (takeFullScreenKey(event)) {
      return std::nullopt;
    }
    noteNumLock(event);
    if (auto translated = translate(event)) {
      return translated;
    }
    return gamepads_.translate(event);
  }

  static std::optional<DesktopEvent> translateWindowEvent(const SDL_WindowEvent& event) {
    using Kind = DesktopEvent::Kind;
    switch (event.event) {
      case SDL_WINDOWEVENT_CLOSE:
        return DesktopEvent{Kind::kClose};
      case SDL_WINDOWEVENT_EXPOSED:
      case SDL_WINDOWEVENT_SIZE_CHANGED:
        return DesktopEvent{Kind::kExposed};
      case SDL_WINDOWEVENT_LEAVE:
        return DesktopEvent{Kind::kPointerLeft};
      default:
        return std::nullopt;
    }
  }

  // The game's own event for an SDL event of a window or a key; pointer positions in the
  // pixels of the picture the window shows.
  static std::optional<DesktopEvent> translate(const SDL_Event& event) {
    using Kind = DesktopEvent::Kind;
    switch (event.type) {
      case SDL_QUIT:
        return DesktopEvent{Kind::kClose};
      case SDL_WINDOWEVENT:
        return translateWindowEvent(event.window);
      case SDL_MOUSEMOTION: {
        const Point at = inPicture(event.motion.windowID, event.motion.x, event.motion.y);
        return DesktopEvent{Kind::kPointerMoved, at.x, at.y};
      }
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP:
        return translateButton(event.type, event.button);
      case SDL_KEYDOWN:  // auto-repeat included
      case SDL_KEYUP:
        if (const auto code = virtualKey(event.key.keysym.sym, event.key.keysym.mod)) {
          DesktopEvent key{event.type == SDL_KEYDOWN ? Kind::kKeyDown : Kind::kKeyUp, 0, 0, *code};
          key.control = (event.key.keysym.mod & KMOD_CTRL) != 0;
          key.shift = (event.key.keysym.mod & KMOD_SHIFT) != 0;
          return key;
        }
        return std::nullopt;
      default:
        return std::nullopt;
    }
  }

  // The left button is the primary one, the right the secondary; the others are not the game's.
  static std::optional<DesktopEvent> translateButton(std::uint32_t type,
                                                     const SDL_MouseButtonEvent& button) {
    using Kind = DesktopEvent::Kind;
    if (button.button != SDL_BUTTON_LEFT && button.button != SDL_BUTTON_RIGHT) {
      return std::nullopt;
    }
    const Point at = inPicture(button.windowID, button.x, button.y);
    DesktopEvent event{type == SDL_MOUSEBUTTONDOWN ? Kind::kPointerDown : Kind::kPointerUp, at.x,
                       at.y};
    event.button =
        button.button == SDL_BUTTON_LEFT ? PointerButton::kPrimary : PointerButton::kSecondary;
    return event;
  }

  static Point inPicture(std::uint32_t windowId, int x, int y) {
    const SdlWindow* window = SdlWindow::withId(windowId);
    return window == nullptr ? Point{x, y} : window->toPicture(x, y);
  }

  // F11 and Alt+Enter toggle full screen for the window that has the keys, and reach the
  // game neither down nor up.
  bool takeFullScreenKey(const SDL_Event& event) {
    if (event.type == SDL_KEYDOWN &&
        togglesFullScreen(event.key.keysym.sym, event.key.keysym.mod)) {
      // Without a window manager to give it, no window has the keyboard's focus: the keys
      // go to the window shown last, as they do to the game.
      SdlWindow* window = SdlWindow::withId(event.key.windowID);
      window = window != nullptr ? window : shown_;
      if (event.key.repeat == 0 && window != nullptr) {
        window->toggleFullScreen();
      }
      fullScreenKey_ = event.key.keysym.sym;
      return true;
    }
    if (event.type == SDL_KEYUP && fullScreenKey_ == event.key.keysym.sym) {
      fullScreenKey_.reset();
      return true;
    }
    return false;
  }

  // The largest frame a window of this desktop has had: the room a window needs around its
  // client area.
  void noteFrame(std::uint32_t windowId) {
    const SdlWindow* window = SdlWindow::withId(windowId);
    Frame seen;
    if (window != nullptr && window->frame(seen.top, seen.left, seen.bottom, seen.right)) {
      frame_.top = std::max(frame_.top, seen.top);
      frame_.left = std::max(frame_.left, seen.left);
      frame_.bottom = std::max(frame_.bottom, seen.bottom);
      frame_.right = std::max(frame_.right, seen.right);
    }
  }

  // A keypad key that turns or moves the eye, Num Lock off: steps instead, and a player
  // without a keypad light may not see why. Said once.
  void noteNumLock(const SDL_Event& event) {
    if (event.type != SDL_KEYDOWN || numLockNoted_) {
      return;
    }
    if (const auto hint = numLockOffHint(event.key.keysym.sym, event.key.keysym.mod)) {
      sayLine("quib", *hint);
      numLockNoted_ = true;
    }
  }

  std::optional<SdlSubsystem> video_;
  std::optional<SdlSubsystem> controllers_;
  Gamepads gamepads_;  // closed before the subsystem goes
  bool numLockNoted_ = false;
  SdlWindow* shown_ = nullptr;                // the window shown last, while it is
  std::optional<SDL_Keycode> fullScreenKey_;  // held down since it toggled full screen
  struct Frame {
    int top = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;
  } frame_;
};

}  // namespace

std::unique_ptr<Desktop> openDesktop() {
  return std::make_unique<SdlDesktop>();
}

}  // namespace quib
