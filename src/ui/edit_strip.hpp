// The strip under the editor's game window: the palette of codes, the one chosen, what the last
// save did, and the questions the editor asks.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "canvas/glyphs.hpp"
#include "canvas/image.hpp"
#include "render/painters.hpp"
#include "ui/push_button.hpp"

namespace quib {

// The codes the palette offers: empty, then every code the game acts on.
inline constexpr int kPaletteCodes = 9;

// What the strip says, besides the palette.
enum class StripLine {
  kNone,
  kSaved,
  kNotSaved,       // the reason went to the standard error
  kAskSave,        // Save / Discard / Cancel
  kNothingToDraw,  // New 10
};

// What a click or a key on the strip asks for.
enum class StripAnswer { kNone, kSave, kDiscard, kCancel, kNewLevel };

class EditStrip {
 public:
  static constexpr int kHeight = 52;

  // A strip `width` wide whose palette begins at `paletteLeft`; the swatches show `faces`.
  EditStrip(const TextRenderer& font, const ImageHolders& faces, int width, int paletteLeft);

  std::int32_t chosen() const { return chosen_; }
  void choose(std::int32_t code);
  StripLine line() const { return line_; }
  void say(StripLine line);

  // The palette's code at (x, y), in strip pixels.
  std::optional<std::int32_t> codeAt(int x, int y) const;
  // The pointer on the strip's buttons, in strip pixels: an answer once one is clicked.
  void pointerDown(int x, int y);
  StripAnswer pointerUp(int x, int y);
  // The keys that answer the question shown: S, D, C, N, Return and Escape.
  StripAnswer keyDown(std::int16_t keyCode) const;

  // The strip as it looks now; `changed` is set when it differs from the last one given.
  const Image& picture(bool& changed);

 private:
  void draw();
  void drawSwatch(int code, const Rect& box);
  Rect swatch(int code) const;
  // The buttons of the question shown, with their answers.
  std::vector<std::pair<PushButton*, StripAnswer>> buttons();

  const TextRenderer& font_;
  const ImageHolders& faces_;
  int paletteLeft_;
  std::int32_t chosen_ = 1;
  StripLine line_ = StripLine::kNone;
  PushButton save_;
  PushButton discard_;
  PushButton cancel_;
  PushButton newLevel_;
  Image picture_;
  bool stale_ = true;
};

// Every text the strip shows, for a desktop whose glyphs are rendered ahead.
std::vector<std::string> editStripTexts();

}  // namespace quib
