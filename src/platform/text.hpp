// Text in the game's font, rendered with SDL_ttf into glyph strips.
#pragma once

#include <memory>
#include <string>

#include "canvas/glyphs.hpp"

struct _TTF_Font;  // NOLINT(bugprone-reserved-identifier): SDL_ttf's own name

namespace quib {

class Font final : public TextRenderer {
 public:
  // The windows' font: DejaVu Sans at the size of a classic dialog font.
  static constexpr const char* kDefaultPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
  static constexpr int kDefaultPoints = 11;

  // Throws Failure naming the font file when it cannot be opened.
  explicit Font(const std::string& path = kDefaultPath, int points = kDefaultPoints);
  ~Font() override;
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  // Throws Failure when the font renderer fails.
  GlyphStrip render(const std::string& text) const override;
  int lineHeight() const override;

 private:
  struct Closer {
    void operator()(_TTF_Font* font) const;
  };
  std::unique_ptr<_TTF_Font, Closer> font_;
};

}  // namespace quib
