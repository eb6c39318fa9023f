// A tooltip: a line of text that shows once the pointer has rested on its control.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "canvas/glyphs.hpp"
#include "canvas/image.hpp"

namespace quib {

class Tooltip {
 public:
  static constexpr std::uint64_t kRestMs = 500;

  explicit Tooltip(std::string text) : text_(std::move(text)) {}

  // The pointer is over the control at (x, y). Until the tip shows, every move starts the
  // rest afresh; once shown, it stays where it came up.
  void pointerOver(int x, int y, std::uint64_t now);
  // The pointer has left the control: the tip goes, and the next visit waits afresh.
  void pointerAway();
  // The control was pressed: the tip goes and stays away until the pointer leaves.
  void dismiss();
  // Shows the tip once the pointer has rested long enough; true when it came up.
  bool tick(std::uint64_t now);

  // When tick() will show the tip, if it is waiting.
  std::optional<std::uint64_t> due() const { return due_; }
  bool shown() const { return shown_; }

  // Draws the tip, if shown, below the pointer and wholly inside the picture.
  void draw(Image& target, const TextRenderer& font) const;

 private:
  std::string text_;
  std::optional<std::uint64_t> due_;
  bool shown_ = false;
  bool dismissed_ = false;
  Point at_;
};

}  // namespace quib
