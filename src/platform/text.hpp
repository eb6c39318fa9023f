// Text in the game window's font, rendered with SDL_ttf onto memory pictures.
#pragma once

#include <memory>
#include <string>

#include "platform/image.hpp"

struct _TTF_Font;  // NOLINT(bugprone-reserved-identifier): SDL_ttf's own name

namespace quib {

class Font {
 public:
  // The game window's font: DejaVu Sans at the size of a classic dialog font.
  static constexpr const char* kDefaultPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
  static constexpr int kDefaultPoints = 11;

  // Throws Failure naming the font file when it cannot be opened.
  explicit Font(const std::string& path = kDefaultPath, int points = kDefaultPoints);
  ~Font();
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  // Draws `text` with its top-left corner at (x, y), blended over what lies there.
  void draw(Image& target, int x, int y, const std::string& text, Rgb colour) const;
  int lineHeight() const;

 private:
  struct Closer {
    void operator()(_TTF_Font* font) const;
  };
  std::unique_ptr<_TTF_Font, Closer> font_;
};

}  // namespace quib
