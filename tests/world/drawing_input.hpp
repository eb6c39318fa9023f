// A fuzz input read as a level's drawing, as quib-level draw reads one. Shared by the drawing
// fuzzer and the plain test that replays its earlier findings.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "world/level_drawing.hpp"

namespace quib {

// An accepted drawing is a level of at most 100 that shows as a drawing reading back as the
// same level; a refused one says why in one line naming the drawing and leaves the grid as it
// was. Returns what broke, or nothing.
inline std::string drawFuzzInput(std::string_view text) {
  const std::string name = "drawing.txt";
  auto labmap = std::make_unique<Labmap>();
  (*labmap)(0, 0, 0) = 42;
  (*labmap)(100, 100, 1) = -42;
  const auto before = std::make_unique<Labmap>(*labmap);
  const LevelRead level = readDrawing(text, name, *labmap);
  if (!level.ok()) {
    if (*labmap != *before) {
      return "the grid changed: " + level.error;
    }
    if (level.error.find('\n') != std::string::npos || level.error.find(name) != 0) {
      return "not one line naming the drawing: " + level.error;
    }
    return {};
  }
  if (level.n < 0 || level.n > kGridMax) {
    return "extent " + std::to_string(level.n);
  }
  const Drawing shown = drawLevel(*labmap, level.n);
  if (!shown.ok()) {
    return "a drawn level that cannot be shown: " + shown.error;
  }
  auto again = std::make_unique<Labmap>();
  const LevelRead back = readDrawing(shown.text, name, *again);
  if (!back.ok() || back.n != level.n || *again != *labmap) {
    return "shown and drawn again, the level changed: " + back.error;
  }
  return {};
}

}  // namespace quib
