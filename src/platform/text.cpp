// SDL_ttf behind the Font class; the library is started on first use and kept.
#include "platform/text.hpp"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>

#include "platform/failure.hpp"

namespace quib {
namespace {

void startTtf() {
  if (TTF_WasInit() == 0 && TTF_Init() != 0) {
    throw Failure(std::string("cannot start the font renderer: ") + TTF_GetError());
  }
}

std::uint8_t blend(std::uint32_t over, std::uint32_t under, std::uint32_t alpha) {
  return static_cast<std::uint8_t>((over * alpha + under * (255 - alpha) + 127) / 255);
}

}  // namespace

void Font::Closer::operator()(TTF_Font* font) const {
  TTF_CloseFont(font);
}

Font::Font(const std::string& path, int points) {
  startTtf();
  font_.reset(TTF_OpenFont(path.c_str(), points));
  if (!font_) {
    throw Failure("cannot open font " + path + ": " + TTF_GetError());
  }
}

Font::~Font() = default;

int Font::lineHeight() const {
  return TTF_FontLineSkip(font_.get());
}

void Font::draw(Image& target, int x, int y, const std::string& text, Rgb colour) const {
  if (text.empty()) {
    return;
  }
  const SDL_Color ink{static_cast<Uint8>(colour >> 16), static_cast<Uint8>(colour >> 8),
                      static_cast<Uint8>(colour), 255};
  std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> rendered(
      TTF_RenderUTF8_Blended(font_.get(), text.c_str(), ink), &SDL_FreeSurface);
  if (!rendered) {
    return;
  }
  std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> argb(
      SDL_ConvertSurfaceFormat(rendered.get(), SDL_PIXELFORMAT_ARGB8888, 0), &SDL_FreeSurface);
  if (!argb) {
    return;
  }
  const int right = std::min(target.width(), x + argb->w);
  const int bottom = std::min(target.height(), y + argb->h);
  for (int py = std::max(0, y); py < bottom; ++py) {
    const auto* from =
        reinterpret_cast<const std::uint32_t*>(static_cast<const Uint8*>(argb->pixels) +
                                               static_cast<std::ptrdiff_t>(py - y) * argb->pitch);
    for (int px = std::max(0, x); px < right; ++px) {
      const std::uint32_t pixel = from[px - x];
      const std::uint32_t alpha = pixel >> 24;
      const Rgb under = target.at(px, py);
      target.set(px, py,
                 rgb(blend((pixel >> 16) & 0xff, (under >> 16) & 0xff, alpha),
                     blend((pixel >> 8) & 0xff, (under >> 8) & 0xff, alpha),
                     blend(pixel & 0xff, under & 0xff, alpha)));
    }
  }
}

}  // namespace quib
