// The program's run: the start screen, "Start", the game window, and the ways it ends.
#pragma once

#include <string>

#include "canvas/glyphs.hpp"
#include "platform/desktop.hpp"
#include "ui/game_window.hpp"
#include "ui/key_record.hpp"

namespace quib {

struct PlayOptions {
  GameFiles files;              // the working directory is the game folder's bin/
  int scale = 1;                // the windows open at this many times their size, if it fits
  KeyRecord* record = nullptr;  // where the keys the game handles are written, if anywhere
};

// Shows the start screen and plays once "Start" is pressed. Returns the exit status: 0 when
// the start screen or the game window is closed, or after Escape and its sound. Throws
// Failure when the game's start-up fails, the start screen already hidden.
int runProgram(Desktop& desktop, const TextRenderer& font, const PlayOptions& options);

}  // namespace quib
