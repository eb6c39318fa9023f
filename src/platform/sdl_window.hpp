// A window on SDL: memory pictures scaled straight into its surface, only the parts that
// changed drawn and sent to the screen; full screen; pointer positions in picture pixels.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "canvas/fit.hpp"
#include "canvas/image.hpp"
#include "platform/desktop.hpp"

struct SDL_Window;
struct SDL_Surface;
struct SDL_Rect;

namespace quib {

class SdlWindow final : public DesktopWindow {
 public:
  // Throws Failure when the window system refuses the window. `shown` is set to the window
  // while it is the one shown last.
  SdlWindow(const WindowSpec& spec, SdlWindow*& shown);
  ~SdlWindow() override;
  SdlWindow(const SdlWindow&) = delete;
  SdlWindow& operator=(const SdlWindow&) = delete;

  // The SdlWindow an SDL window of the given id belongs to, if any.
  static SdlWindow* withId(std::uint32_t windowId);

  void show() override;
  void hide() override;
  void setCaption(const std::string& caption) override;
  void present(const Image& picture, std::span<const Rect> changed) override;

  // A point of the window in the pixels of the picture it shows.
  Point toPicture(int x, int y) const;
  // Full screen (the desktop's size, the window's frame and panels hidden), or back.
  void toggleFullScreen();
  // The frame the window system puts around the client area; false while unknown.
  bool frame(int& top, int& left, int& bottom, int& right) const;

 private:
  // The picture as drawn on a surface, scaled with the same place; what changes it all.
  struct Painted {
    const SDL_Surface* surface = nullptr;
    Size surfaceSize;
    Size pictureSize;
    Rect place;
    bool operator==(const Painted&) const = default;
  };
  // The picture converted by SDL, for surfaces of other pixel formats and windows smaller
  // than the picture: the whole picture each time.
  void presentConverted(const Image& picture, SDL_Surface* screen);
  // Sends the surface to the screen: whole, or the rectangles in rects_.
  void send(bool whole);
  // Scales the changed parts of `picture`, which lies at `place`, into the window's pixels;
  // the window's rectangles they took in rects_.
  void paintParts(const BorrowedPixels& window, const Image& picture, const Rect& place,
                  std::span<const Rect> changed);
  // A picture that does not reach the screen is worth one line, not the end of the game.
  void complain(const char* what);

  struct WindowDestroy {
    void operator()(SDL_Window* window) const;
  };
  std::unique_ptr<SDL_Window, WindowDestroy> window_;
  SdlWindow*& shown_;
  Painted painted_;              // what the surface holds now
  Image converted_;              // the window-sized picture for presentConverted
  std::vector<SDL_Rect> rects_;  // the parts sent to the screen, kept for their memory
  bool complained_ = false;
};

}  // namespace quib
