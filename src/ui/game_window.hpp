// The game window "Find Quib, please": its start-up, its keys and what it shows.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "canvas/glyphs.hpp"
#include "canvas/image.hpp"
#include "canvas/window_surface.hpp"
#include "control/key_handler.hpp"
#include "world/world.hpp"

namespace quib {

inline constexpr const char* kSoundFile = "tada.wav";

// The files a start-up reads, the game folder's bin/ being the working directory.
struct GameFiles {
  std::string driveX;                               // drive X's folder: the five pictures
  std::optional<std::string> level = std::nullopt;  // a level of one's own, else the folder's
};

class GameWindow {
 public:
  explicit GameWindow(const TextRenderer& font);

  // Hides the start screen, lays the views over each other, loads the five pictures from
  // drive X (the backdrop twice, then wall, lift, door and power switch), reads the level
  // from beside the working directory (or the one given), places the viewer and sizes the
  // client area for the level's plan. Draws no frame. Throws Failure naming the file that
  // fails.
  void Form_Load(const GameFiles& files, const std::function<void()>& hideStartScreen = {});
  // Form_Load's parts: the five pictures from drive X's folder; and a level of extent n, with
  // the viewer placed and the client area sized for it.
  void loadPictures(const std::string& driveX);
  void setLevel(const Labmap& labmap, int n);

  // Draws the view and the plan afresh, as a key would, for a world changed otherwise; the
  // printed code stays.
  void redraw();

  // Handles a key: the whole chain of Picture1_KeyDown.
  KeyAction keyDown(std::int16_t keyCode);

  // The client area as seen: the window's own surface with the shown view at (16, 16).
  Image clientArea() const;
  // The same picture, kept between keys and brought up to date where the keys since the last
  // call may have changed it; `changed` is set to rectangles that hold every pixel that
  // differs from what the last call gave (the whole client area the first time).
  const Image& picture(std::vector<Rect>& changed);
  Size clientSize() const { return screen_->own.size(); }

  const GameScreen& screen() const { return *screen_; }
  GameScreen& screen() { return *screen_; }

 private:
  // The level just put in the world's grid, of extent n.
  void placeLevel(int n);

  std::unique_ptr<GameScreen> screen_;
  Image shown_;                          // what picture() gave last
  bool shownWhole_ = false;              // shown_ is a picture of this client area
  bool viewDrawn_ = false;               // a frame has been drawn since
  std::optional<std::int16_t> printed_;  // the key code printed last
};

}  // namespace quib
