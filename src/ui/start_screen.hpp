// The start screen "Form2": the game's picture and the "Start" button with its tooltip.
#pragma once

#include <cstdint>
#include <optional>

#include "canvas/glyphs.hpp"
#include "canvas/image.hpp"
#include "canvas/window_surface.hpp"
#include "platform/desktop.hpp"
#include "ui/push_button.hpp"
#include "ui/tooltip.hpp"

namespace quib {

class StartScreen {
 public:
  static constexpr Rgb kBackColour = WindowSurface::kBackColour;

  explicit StartScreen(const TextRenderer& font);

  // One event of the start screen's window, at time `now`; true when it pressed "Start".
  bool handle(const DesktopEvent& event, std::uint64_t now);
  // Brings the tooltip up when its time has come; true when that changed the picture.
  bool tick(std::uint64_t now) { return tooltip_.tick(now); }
  // When the picture will change without an event: the tooltip coming up.
  std::optional<std::uint64_t> due() const { return tooltip_.due(); }

  const PushButton& Command1() const { return command1_; }
  const Tooltip& tooltip() const { return tooltip_; }

  // The client area as it looks now.
  Image picture() const;

 private:
  void pointerAt(int x, int y, std::uint64_t now);

  const TextRenderer& font_;
  Image image1_;  // the game's picture, stretched to Image1's place
  PushButton command1_;
  Tooltip tooltip_;
};

}  // namespace quib
