// The desktop on SDL2: video without OpenGL, windows presenting memory pictures by surface
// copy, and SDL's events translated into the game's own at this boundary.
#include <SDL.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "canvas/fit.hpp"
#include "canvas/window_surface.hpp"
#include "formats/message.hpp"
#include "platform/desktop.hpp"
#include "platform/failure.hpp"
#include "platform/gamepads.hpp"
#include "platform/keys.hpp"
#include "platform/quiet_stderr.hpp"
#include "platform/sdl_support.hpp"
#include "platform/sound.hpp"
#include "platform/x11_errors.hpp"

namespace quib {
namespace {

// The colour around a scaled client area.
constexpr Rgb kWindowBack = WindowSurface::kBackColour;

// An SDL view of the picture's pixels, borrowed: the picture must outlive it.
SurfacePtr borrow(const Image& picture) {
  return SurfacePtr(SDL_CreateRGBSurfaceWithFormatFrom(
      const_cast<Rgb*>(picture.row(0)), picture.width(), picture.height(), 32,
      picture.width() * static_cast<int>(sizeof(Rgb)), SDL_PIXELFORMAT_RGB888));
}

class SdlWindow final : public DesktopWindow {
 public:
  explicit SdlWindow(const WindowSpec& spec) {
    const int x = spec.position ? spec.position->x : static_cast<int>(SDL_WINDOWPOS_UNDEFINED);
    const int y = spec.position ? spec.position->y : static_cast<int>(SDL_WINDOWPOS_UNDEFINED);
    const Uint32 flags = SDL_WINDOW_HIDDEN | (spec.resizable ? Uint32{SDL_WINDOW_RESIZABLE} : 0u);
    window_.reset(SDL_CreateWindow(spec.caption.c_str(), x, y, spec.width, spec.height, flags));
    if (!window_) {
      throw Failure("cannot open the window \"" + spec.caption + "\": " + SDL_GetError());
    }
    if (spec.icon != nullptr && !spec.icon->empty()) {
      // SDL keeps its own copy of the icon.
      if (const SurfacePtr icon = borrow(*spec.icon)) {
        SDL_SetWindowIcon(window_.get(), icon.get());
      }
    }
  }

  void show() override {
    SDL_ShowWindow(window_.get());
    SDL_RaiseWindow(window_.get());
  }

  void hide() override { SDL_HideWindow(window_.get()); }

  void present(const Image& picture) override {
    SDL_Surface* screen = SDL_GetWindowSurface(window_.get());
    if (screen == nullptr) {
      complain("cannot draw the window");
      return;
    }
    const Image* shown = &picture;
    if (screen->w != picture.width() || screen->h != picture.height()) {
      if (fitted_.width() != screen->w || fitted_.height() != screen->h) {
        fitted_ = Image(screen->w, screen->h);
      }
      paintFitted(fitted_, picture, kWindowBack);
      shown = &fitted_;
    }
    const SurfacePtr source = borrow(*shown);
    if (!source || SDL_BlitSurface(source.get(), nullptr, screen, nullptr) != 0 ||
        SDL_UpdateWindowSurface(window_.get()) != 0) {
      complain("cannot show the window's picture");
    }
  }

 private:
  // A picture that does not reach the screen is worth one line, not the end of the game.
  void complain(const char* what) {
    if (!complained_) {
      sayLine("quib", std::string(what) + ": " + SDL_GetError());
      complained_ = true;
    }
  }

  struct WindowDestroy {
    void operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }
  };
  std::unique_ptr<SDL_Window, WindowDestroy> window_;
  Image fitted_;  // the window-sized picture when the client area is scaled
  bool complained_ = false;
};

std::optional<DesktopEvent> translate(const SDL_Event& event) {
  using Kind = DesktopEvent::Kind;
  switch (event.type) {
    case SDL_QUIT:
      return DesktopEvent{Kind::kClose};
    case SDL_WINDOWEVENT:
      switch (event.window.event) {
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
    case SDL_MOUSEMOTION:
      return DesktopEvent{Kind::kPointerMoved, event.motion.x, event.motion.y};
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      if (event.button.button != SDL_BUTTON_LEFT) {
        return std::nullopt;
      }
      return DesktopEvent{event.type == SDL_MOUSEBUTTONDOWN ? Kind::kPointerDown : Kind::kPointerUp,
                          event.button.x, event.button.y};
    case SDL_KEYDOWN:  // auto-repeat included
    case SDL_KEYUP:
      if (const auto code = virtualKey(event.key.keysym.sym, event.key.keysym.mod)) {
        return DesktopEvent{event.type == SDL_KEYDOWN ? Kind::kKeyDown : Kind::kKeyUp, 0, 0, *code};
      }
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

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
    return std::make_unique<SdlWindow>(spec);
  }

  DesktopEvent wait(int timeoutMs) override {
    const Uint64 deadline = SDL_GetTicks64() + static_cast<Uint64>(timeoutMs < 0 ? 0 : timeoutMs);
    for (;;) {
      SDL_Event event;
      int got = 0;
      if (timeoutMs < 0) {
        got = SDL_WaitEvent(&event);
        if (got == 0) {  // the event queue itself failed: nothing more will come
          return DesktopEvent{DesktopEvent::Kind::kClose};
        }
      } else {
        const Uint64 now = SDL_GetTicks64();
        if (now >= deadline) {
          return DesktopEvent{};
        }
        got = SDL_WaitEventTimeout(&event, static_cast<int>(deadline - now));
      }
      if (got != 0) {
        noteNumLock(event);
        if (const auto translated = translate(event)) {
          return *translated;
        }
        if (const auto pressed = gamepads_.translate(event)) {
          return *pressed;
        }
      }
    }
  }

  std::uint64_t now() const override { return SDL_GetTicks64(); }

  void playSoundToEnd(const std::string& path) override { quib::playSoundToEnd(path); }

 private:
  // With no video driver chosen, SDL looks for a display on its own, and the windowing
  // libraries complain on stderr where there is none: look first. Says what is missing.
  static const char* missingDisplay() {
    const auto set = [](const char* name) {
      const char* value = std::getenv(name);
      return value != nullptr && value[0] != '\0';
    };
    if (set("SDL_VIDEODRIVER") || set("DISPLAY") || set("WAYLAND_DISPLAY")) {
      return nullptr;
    }
    return "neither DISPLAY nor WAYLAND_DISPLAY is set";
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
};

}  // namespace

std::unique_ptr<Desktop> openDesktop() {
  return std::make_unique<SdlDesktop>();
}

}  // namespace quib
