// SDL_ttf behind the Font class; the library is started on first use and kept.
#include "platform/text.hpp"

#include <SDL.h>
#include <SDL_ttf.h>

#include "formats/input_file.hpp"
#include "platform/failure.hpp"
#include "platform/sdl_support.hpp"

namespace quib {
namespace {

void startTtf() {
  if (TTF_WasInit() == 0 && TTF_Init() != 0) {
    throw Failure(std::string("cannot start the font renderer: ") + TTF_GetError());
  }
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

GlyphStrip Font::render(const std::string& text) const {
  if (text.empty()) {
    return {};
  }
  const SDL_Color white{255, 255, 255, 255};
  const SurfacePtr rendered(TTF_RenderUTF8_Blended(font_.get(), text.c_str(), white));
  if (!rendered) {
    throw Failure("cannot draw the text " + quoted(text) + ": " + TTF_GetError());
  }
  const SurfacePtr argb(SDL_ConvertSurfaceFormat(rendered.get(), SDL_PIXELFORMAT_ARGB8888, 0));
  if (!argb) {
    throw Failure("cannot draw the text " + quoted(text) + ": " + SDL_GetError());
  }
  GlyphStrip strip{argb->w, argb->h, {}};
  strip.coverage.reserve(static_cast<std::size_t>(argb->w) * static_cast<std::size_t>(argb->h));
  for (int y = 0; y < argb->h; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(
        static_cast<const Uint8*>(argb->pixels) + static_cast<std::ptrdiff_t>(y) * argb->pitch);
    for (int x = 0; x < argb->w; ++x) {
      constexpr int kAlphaShift = 24;  // the ink's coverage is the pixel's alpha
      strip.coverage.push_back(static_cast<std::uint8_t>(row[x] >> kAlphaShift));
    }
  }
  return strip;
}

}  // namespace quib
