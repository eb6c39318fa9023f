// Scaling into the window surface's own memory: no window-sized copy, and of a key's picture
// only the squares that changed are painted and sent to the X server.
#include "platform/sdl_window.hpp"

#include <SDL.h>

#include <algorithm>
#include <string>

#include "canvas/fit.hpp"
#include "canvas/window_surface.hpp"
#include "formats/message.hpp"
#include "platform/failure.hpp"
#include "platform/sdl_support.hpp"

namespace quib {
namespace {

// The colour around a scaled client area.
constexpr Rgb kWindowBack = WindowSurface::kBackColour;
// Where an SDL window keeps the SdlWindow it belongs to.
constexpr const char* kSelf = "quib";

// An SDL view of the picture's pixels, borrowed: the picture must outlive it.
SurfacePtr borrow(const Image& picture) {
  return SurfacePtr(SDL_CreateRGBSurfaceWithFormatFrom(
      const_cast<Rgb*>(picture.row(0)), picture.width(), picture.height(), 32,
      picture.width() * static_cast<int>(sizeof(Rgb)), SDL_PIXELFORMAT_RGB888));
}

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
  return a / b - ((a % b != 0 && (a < 0) != (b < 0)) ? 1 : 0);
}

}  // namespace

void SdlWindow::WindowDestroy::operator()(SDL_Window* window) const {
  SDL_DestroyWindow(window);
}

SdlWindow::SdlWindow(const WindowSpec& spec, SdlWindow*& shown) : shown_(shown) {
  const int x = spec.position ? spec.position->x : static_cast<int>(SDL_WINDOWPOS_UNDEFINED);
  const int y = spec.position ? spec.position->y : static_cast<int>(SDL_WINDOWPOS_UNDEFINED);
  const Uint32 flags = SDL_WINDOW_HIDDEN | (spec.resizable ? Uint32{SDL_WINDOW_RESIZABLE} : 0u);
  window_.reset(SDL_CreateWindow(spec.caption.c_str(), x, y, spec.width, spec.height, flags));
  if (!window_) {
    throw Failure("cannot open the window \"" + spec.caption + "\": " + SDL_GetError());
  }
  SDL_SetWindowData(window_.get(), kSelf, this);
  if (spec.minimum.width > 0 && spec.minimum.height > 0) {
    SDL_SetWindowMinimumSize(window_.get(), spec.minimum.width, spec.minimum.height);
  }
  if (spec.icon != nullptr && !spec.icon->empty()) {
    // SDL keeps its own copy of the icon.
    if (const SurfacePtr icon = borrow(*spec.icon)) {
      SDL_SetWindowIcon(window_.get(), icon.get());
    }
  }
}

SdlWindow* SdlWindow::withId(std::uint32_t windowId) {
  SDL_Window* window = SDL_GetWindowFromID(windowId);
  return window == nullptr ? nullptr : static_cast<SdlWindow*>(SDL_GetWindowData(window, kSelf));
}

SdlWindow::~SdlWindow() {
  if (shown_ == this) {
    shown_ = nullptr;
  }
}

void SdlWindow::show() {
  SDL_ShowWindow(window_.get());
  SDL_RaiseWindow(window_.get());
  shown_ = this;
}

void SdlWindow::setCaption(const std::string& caption) {
  SDL_SetWindowTitle(window_.get(), caption.c_str());
}

void SdlWindow::hide() {
  SDL_HideWindow(window_.get());
  if (shown_ == this) {
    shown_ = nullptr;
  }
}

void SdlWindow::present(const Image& picture, std::span<const Rect> changed) {
  SDL_Surface* screen = SDL_GetWindowSurface(window_.get());
  if (screen == nullptr) {
    complain("cannot draw the window");
    return;
  }
  const Painted now{screen,
                    {screen->w, screen->h},
                    {picture.width(), picture.height()},
                    fitPicture(picture.width(), picture.height(), screen->w, screen->h)};
  if (screen->format->format != SDL_PIXELFORMAT_RGB888 || now.place.w < picture.width()) {
    presentConverted(picture, screen);
    painted_ = now;
    painted_.surface = nullptr;  // the next picture is drawn whole again
    return;
  }
  if (SDL_MUSTLOCK(screen) && SDL_LockSurface(screen) != 0) {
    complain("cannot draw the window");
    return;
  }
  const BorrowedPixels view{static_cast<Rgb*>(screen->pixels), screen->w, screen->h,
                            screen->pitch / static_cast<int>(sizeof(Rgb))};
  // A change of it all is drawn with the window's border: the window may have been uncovered.
  const Rect all{0, 0, picture.width(), picture.height()};
  const bool whole = now != painted_ || std::any_of(changed.begin(), changed.end(),
                                                    [&](const Rect& r) { return r.contains(all); });
  if (whole) {
    paintFitted(view, picture, kWindowBack);
  } else {
    paintParts(view, picture, now.place, changed);
  }
  if (SDL_MUSTLOCK(screen)) {
    SDL_UnlockSurface(screen);
  }
  painted_ = now;
  send(whole);
}

void SdlWindow::send(bool whole) {
  int shown = 0;
  if (whole) {
    shown = SDL_UpdateWindowSurface(window_.get());
  } else if (!rects_.empty()) {
    shown =
        SDL_UpdateWindowSurfaceRects(window_.get(), rects_.data(), static_cast<int>(rects_.size()));
  }
  if (shown != 0) {
    complain("cannot show the window's picture");
  }
}

void SdlWindow::paintParts(const BorrowedPixels& window, const Image& picture, const Rect& place,
                           std::span<const Rect> changed) {
  rects_.clear();
  for (const Rect& part : changed) {
    const Rect painted = paintScaled(window, picture, place, part);
    if (painted.w > 0 && painted.h > 0) {
      rects_.push_back({painted.x, painted.y, painted.w, painted.h});
    }
  }
}

void SdlWindow::presentConverted(const Image& picture, SDL_Surface* screen) {
  if (converted_.width() != screen->w || converted_.height() != screen->h) {
    converted_ = Image(screen->w, screen->h);
  }
  paintFitted(converted_, picture, kWindowBack);
  const SurfacePtr source = borrow(converted_);
  if (!source || SDL_BlitSurface(source.get(), nullptr, screen, nullptr) != 0 ||
      SDL_UpdateWindowSurface(window_.get()) != 0) {
    complain("cannot show the window's picture");
  }
}

Point SdlWindow::toPicture(int x, int y) const {
  const Rect& place = painted_.place;
  const Size& picture = painted_.pictureSize;
  if (place.w <= 0 || place.h <= 0 || picture.width <= 0 || picture.height <= 0) {
    return {x, y};
  }
  return {static_cast<std::int32_t>(floorDiv(std::int64_t{x - place.x} * picture.width, place.w)),
          static_cast<std::int32_t>(floorDiv(std::int64_t{y - place.y} * picture.height, place.h))};
}

void SdlWindow::toggleFullScreen() {
  const bool full = (SDL_GetWindowFlags(window_.get()) & SDL_WINDOW_FULLSCREEN) != 0;
  if (SDL_SetWindowFullscreen(window_.get(), full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
    sayLine("quib", std::string("cannot change to full screen: ") + SDL_GetError());
  }
}

bool SdlWindow::frame(int& top, int& left, int& bottom, int& right) const {
  return SDL_GetWindowBordersSize(window_.get(), &top, &left, &bottom, &right) == 0;
}

void SdlWindow::complain(const char* what) {
  if (!complained_) {
    sayLine("quib", std::string(what) + ": " + SDL_GetError());
    complained_ = true;
  }
}

}  // namespace quib
