// Printing and line drawing on the game window's own surface.
#include "canvas/window_surface.hpp"

#include <algorithm>
#include <cmath>
#include <string>

#include "canvas/raster.hpp"

namespace quib {

WindowSurface::WindowSurface(const TextRenderer& text)
    : text_(text), pixels_(kWidth, kHeight, kBackColour) {}

void WindowSurface::resize(int width, int height) {
  if (width == pixels_.width() && height == pixels_.height()) {
    // The same size: wiping what was drawn is enough.
    fillRect(pixels_, textDirty_, kBackColour);
    fillRect(pixels_, linesDirty_, kBackColour);
    fillRect(pixels_, toWipe_, kBackColour);
  } else {
    pixels_ = Image(width, height, kBackColour);
  }
  ++changes_;
  textTaken_ = {};
  linesTaken_ = {0, 0, width, height};
  pastedFrom_ = nullptr;
  textY_ = 0;
  textDirty_ = {};
  linesDirty_ = {};
  toWipe_ = {};
}

void WindowSurface::clear() {
  // Only what was drawn needs wiping: the rest still shows the back colour.
  fillRect(pixels_, textDirty_, kBackColour);
  changed(textDirty_, textTaken_);
  settle();
  toWipe_ = linesDirty_;
  textDirty_ = {};
  linesDirty_ = {};
  textY_ = 0;
}

void WindowSurface::settle() {
  fillRect(pixels_, toWipe_, kBackColour);
  changed(toWipe_, linesTaken_);
  toWipe_ = {};
}

void WindowSurface::changed(const Rect& rect, Rect& taken) {
  if (rect.w > 0 && rect.h > 0) {
    ++changes_;
    touch(sincePaste_, rect);
    touch(taken, rect);
  }
}

void WindowSurface::touch(Rect& dirty, const Rect& rect) const {
  const int left = std::max(rect.x, 0);
  const int top = std::max(rect.y, 0);
  const int right = std::min(rect.x + rect.w, pixels_.width());
  const int bottom = std::min(rect.y + rect.h, pixels_.height());
  if (left >= right || top >= bottom) {
    return;
  }
  if (dirty.w == 0) {
    dirty = {left, top, right - left, bottom - top};
    return;
  }
  const int x0 = std::min(dirty.x, left);
  const int y0 = std::min(dirty.y, top);
  const int x1 = std::max(dirty.x + dirty.w, right);
  const int y1 = std::max(dirty.y + dirty.h, bottom);
  dirty = {x0, y0, x1 - x0, y1 - y0};
}

const GlyphStrip& WindowSurface::glyphsOf(std::int16_t number) {
  // Keys have codes up to 255; more numbers than that are not kept.
  constexpr std::size_t kKept = 256;
  if (printed_.size() >= kKept && printed_.count(number) == 0) {
    printed_.clear();
  }
  auto found = printed_.find(number);
  if (found == printed_.end()) {
    const std::string text = (number >= 0 ? " " : "") + std::to_string(number);
    found = printed_.emplace(number, text_.render(text)).first;
  }
  return found->second;
}

void WindowSurface::printNumber(std::int16_t number) {
  const GlyphStrip& glyphs = glyphsOf(number);
  if (toWipe_.meets({0, textY_, glyphs.width, glyphs.height})) {
    settle();
  }
  drawGlyphs(pixels_, 0, textY_, glyphs, kTextColour);
  touch(textDirty_, {0, textY_, glyphs.width, glyphs.height});
  changed({0, textY_, glyphs.width, glyphs.height}, textTaken_);
  textY_ += text_.lineHeight();
}

bool WindowSurface::paste(WindowSurface& layer) {
  const Image& from = layer.pixels();
  const Rect& region = layer.linesDirty_;
  const bool apart = region.x >= textDirty_.x + textDirty_.w ||
                     textDirty_.x >= region.x + region.w ||
                     region.y >= textDirty_.y + textDirty_.h || textDirty_.y >= region.y + region.h;
  if (!apart || from.width() != pixels_.width() || from.height() != pixels_.height()) {
    return false;
  }
  const bool covers = region.x <= toWipe_.x && region.y <= toWipe_.y &&
                      region.x + region.w >= toWipe_.x + toWipe_.w &&
                      region.y + region.h >= toWipe_.y + toWipe_.h;
  if (covers) {
    toWipe_ = {};  // the paste gives every pixel there its due
  }
  settle();
  // What the same layer left here still shows, but for what was drawn over it since.
  Rect copy = region;
  if (pastedFrom_ == &layer && pastedChanges_ == layer.changes_ && pasted_ == region) {
    const int left = std::max(region.x, sincePaste_.x);
    const int top = std::max(region.y, sincePaste_.y);
    const int right = std::min(region.x + region.w, sincePaste_.x + sincePaste_.w);
    const int bottom = std::min(region.y + region.h, sincePaste_.y + sincePaste_.h);
    copy = {left, top, std::max(0, right - left), std::max(0, bottom - top)};
  }
  for (int y = copy.y; y < copy.y + copy.h; ++y) {
    std::copy(from.row(y) + copy.x, from.row(y) + copy.x + copy.w, pixels_.row(y) + copy.x);
  }
  touch(linesTaken_, copy);
  ++changes_;
  pastedFrom_ = &layer;
  pastedChanges_ = layer.changes_;
  pasted_ = region;
  sincePaste_ = {};
  touch(linesDirty_, region);
  return true;
}

void WindowSurface::paintLines(const std::function<Rect(Image&)>& paint) {
  settle();
  const Rect reach = paint(pixels_);
  touch(linesDirty_, reach);
  changed(reach, linesTaken_);
}

void WindowSurface::line(LineStyle style, float x1, float y1, float x2, float y2, Rgb colour) {
  settle();
  // The pixels lie within one pixel of the corners' box.
  const auto edge = [](float v) {
    constexpr double kFar = 1 << 24;
    return static_cast<int>(std::clamp(static_cast<double>(v), -kFar, kFar));
  };
  if (std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2)) {
    const int left = edge(std::min(x1, x2)) - 1;
    const int top = edge(std::min(y1, y2)) - 1;
    const Rect reach{left, top, edge(std::max(x1, x2)) + 2 - left,
                     edge(std::max(y1, y2)) + 2 - top};
    touch(linesDirty_, reach);
    changed(reach, linesTaken_);
  }
  switch (style) {
    case LineStyle::kLine:
      drawLine(pixels_, x1, y1, x2, y2, colour);
      break;
    case LineStyle::kBox:
      outlineBox(pixels_, x1, y1, x2, y2, colour);
      break;
    case LineStyle::kFilledBox:
      fillBox(pixels_, x1, y1, x2, y2, colour);
      break;
  }
}

}  // namespace quib
