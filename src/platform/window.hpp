// A real desktop window showing a memory picture, and the events the game listens to.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/image.hpp"

struct SDL_Window;

namespace quib {

// What reaches the game from the window system.
struct WindowEvent {
  enum class Kind { kKeyDown, kClose, kExposed } kind = Kind::kExposed;
  std::int16_t keyCode = 0;  // virtual-key code, for kKeyDown
};

class Window {
 public:
  // Opens a hidden window with this client size; throws Failure when there is no display.
  Window(const std::string& caption, int width, int height);
  ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  void show();
  // Shows the picture as the window's client area, at 1x.
  void present(const Image& picture);
  // Waits for the next event the game acts on; keys without a virtual-key code are skipped.
  WindowEvent waitEvent();

 private:
  struct Closer {
    void operator()(SDL_Window* window) const;
  };
  std::unique_ptr<SDL_Window, Closer> window_;
};

}  // namespace quib
