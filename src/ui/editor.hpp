// The game window as a drawing board: the level drawn on its plan while the view shows it from
// where the designer stands.
#pragma once

#include <functional>
#include <string>

#include "canvas/glyphs.hpp"
#include "platform/desktop.hpp"
#include "ui/game_window.hpp"
#include "ui/key_record.hpp"

namespace quib {

struct EditOptions {
  GameFiles files;        // files.level: the level file drawn on, which need not exist yet
  std::string shownName;  // the file as the designer named it, for the caption
  int scale = 1;
  KeyRecord* record = nullptr;  // where the keys the game handles are written, if anywhere
  // Called after each save with the file's path: the browser hands the file to the player.
  std::function<void(const std::string& path)> saved;
};

// Opens the game window on the level at once, no start screen, and edits it until the window
// is closed or Escape is pressed, asking first while changes are unsaved. Returns the exit
// status, 0. Throws Failure when the pictures or the level cannot be read.
int runEditor(Desktop& desktop, const TextRenderer& font, const EditOptions& options);

}  // namespace quib
