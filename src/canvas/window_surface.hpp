// The game window's own surface: the printed key code and the plan map, under the views.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>

#include "canvas/glyphs.hpp"
#include "canvas/image.hpp"

namespace quib {

// The view surfaces' top-left corner in the game window (240 twips); the plan map stands
// beside their lower half.
inline constexpr int kViewLeft = 16;
inline constexpr int kViewTop = 16;

enum class LineStyle { kLine, kBox, kFilledBox };

class WindowSurface {
 public:
  // The client area at 1x, unless a level's plan needs more room.
  static constexpr int kWidth = 840;
  static constexpr int kHeight = 553;
  static constexpr Rgb kBackColour = rgb(212, 208, 200);
  static constexpr Rgb kTextColour = rgb(0, 0, 0);

  explicit WindowSurface(const TextRenderer& text);

  // A new size wipes the surface.
  void resize(int width, int height);
  // Wipes text and lines; the text position returns to the top-left corner.
  void clear();
  // Decimal text at the text position; a non-negative number gets a blank before it.
  void printNumber(std::int16_t number);
  // A line, or a box outlined or filled, between two points in window pixels.
  void line(LineStyle style, float x1, float y1, float x2, float y2, Rgb colour);

  // Lets `paint` draw straight on the pixels, as lines would be drawn; it returns a rectangle
  // that holds every pixel it set.
  void paintLines(const std::function<Rect(Image&)>& paint);

  // Two rectangles, about the printed text and about the lines, that hold every pixel changed
  // since the last call (all of them after a new size), for a picture made from this one to
  // follow; the changes are forgotten.
  std::array<Rect, 2> takeChanges() {
    settle();
    const std::array<Rect, 2> taken{textTaken_, linesTaken_};
    textTaken_ = {};
    linesTaken_ = {};
    return taken;
  }
  // Copies the part of `layer` (of the same size) that holds its lines over the lines drawn
  // here, as if they had been drawn here; refused (false) where that part meets the printed
  // text. Pasting the same layer again copies only what was drawn over it since.
  bool paste(WindowSurface& layer);

  Size size() const { return {pixels_.width(), pixels_.height()}; }
  // The pixels as they show: reading them first wipes what a clear left to be wiped.
  const Image& pixels() {
    settle();
    return pixels_;
  }

 private:
  // Gives the lines' old place the back colour, if a clear left it to be wiped.
  void settle();
  // Widens a part to be wiped by the next clear to take in the rectangle.
  void touch(Rect& dirty, const Rect& rect) const;
  const GlyphStrip& glyphsOf(std::int16_t number);
  // Notes a change of the pixels in `rect`, to be taken with the text's or the lines'.
  void changed(const Rect& rect, Rect& taken);

  const TextRenderer& text_;
  // The lines' old place is wiped when next looked at or drawn on, unless a paste covers
  // it first: the plan's layer mostly does, and the wipe would be wasted.
  Image pixels_;
  Rect toWipe_;
  int textY_ = 0;
  // Everything drawn since the last clear lies inside these: the key code, and the lines.
  Rect textDirty_;
  Rect linesDirty_;
  std::map<std::int16_t, GlyphStrip> printed_;  // each number's glyphs, rendered once
  // The last paste: from which layer, as it was then (its count of changes), and where; and
  // what has changed here since.
  std::uint64_t changes_ = 0;
  const WindowSurface* pastedFrom_ = nullptr;
  std::uint64_t pastedChanges_ = 0;
  Rect pasted_;
  Rect sincePaste_;
  Rect textTaken_;
  Rect linesTaken_;
};

}  // namespace quib
