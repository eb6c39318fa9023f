// The SDL window: video start-up, presenting by surface copy, event translation.
#include "platform/window.hpp"

#include <SDL.h>

#include <cstring>

#include "platform/failure.hpp"
#include "platform/keys.hpp"

namespace quib {

void Window::Closer::operator()(SDL_Window* window) const {
  SDL_DestroyWindow(window);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

Window::Window(const std::string& caption, int width, int height) {
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    throw Failure(std::string("cannot open the game window: no display (") + SDL_GetError() + ")");
  }
  // Without a display SDL falls back to drivers that show nothing; the game would wait
  // for keys that never come.
  const std::string driver = SDL_GetCurrentVideoDriver();
  if (driver == "offscreen" || driver == "dummy") {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    throw Failure("cannot open the game window: no display (the " + driver +
                  " video driver shows nothing)");
  }
  SDL_Window* window = SDL_CreateWindow(caption.c_str(), SDL_WINDOWPOS_UNDEFINED,
                                        SDL_WINDOWPOS_UNDEFINED, width, height, SDL_WINDOW_HIDDEN);
  if (window == nullptr) {
    const std::string reason = SDL_GetError();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    throw Failure("cannot open the game window: " + reason);
  }
  window_.reset(window);
  // The keypad is read as keys; text events from it are not wanted.
  SDL_StopTextInput();
}

Window::~Window() = default;

void Window::show() {
  SDL_ShowWindow(window_.get());
  SDL_RaiseWindow(window_.get());
}

void Window::present(const Image& picture) {
  SDL_Surface* screen = SDL_GetWindowSurface(window_.get());
  if (screen == nullptr) {
    return;
  }
  SDL_Surface* source = SDL_CreateRGBSurfaceWithFormatFrom(
      const_cast<Rgb*>(picture.row(0)), picture.width(), picture.height(), 32, picture.width() * 4,
      SDL_PIXELFORMAT_RGB888);
  if (source != nullptr) {
    SDL_BlitSurface(source, nullptr, screen, nullptr);
    SDL_FreeSurface(source);
  }
  SDL_UpdateWindowSurface(window_.get());
}

WindowEvent Window::waitEvent() {
  SDL_Event event;
  for (;;) {
    if (SDL_WaitEvent(&event) == 0) {
      return {WindowEvent::Kind::kClose, 0};
    }
    switch (event.type) {
      case SDL_QUIT:
        return {WindowEvent::Kind::kClose, 0};
      case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
          return {WindowEvent::Kind::kClose, 0};
        }
        if (event.window.event == SDL_WINDOWEVENT_EXPOSED ||
            event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
          return {WindowEvent::Kind::kExposed, 0};
        }
        break;
      case SDL_KEYDOWN:  // auto-repeat included
        if (const auto code = virtualKey(event.key.keysym.sym, event.key.keysym.mod)) {
          return {WindowEvent::Kind::kKeyDown, *code};
        }
        break;
      default:
        break;
    }
  }
}

}  // namespace quib
