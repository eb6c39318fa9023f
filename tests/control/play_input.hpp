// A fuzz input played as a game: a level file's text, a zero byte, then a byte a key. Shared by
// the play fuzzer and the plain test that replays its earlier findings.
#pragma once

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <memory>
#include <span>
#include <string>

#include "control/box_text.hpp"
#include "control/key_handler.hpp"
#include "world/key_codes.hpp"
#include "world/level_drawing.hpp"
#include "world/level_file.hpp"

namespace quib {

// Reads the level from the input's first part (written to `scratch`, as the game reads a file),
// pictures it as quib-level show does, and plays the rest through the whole key chain. Returns
// what broke, or nothing. A key that never ends is libFuzzer's to find, by its time limit.
inline std::string playFuzzInput(std::span<const std::uint8_t> input, const std::string& scratch) {
  std::size_t split = 0;
  while (split < input.size() && input[split] != 0) {
    ++split;
  }
  {
    std::ofstream out(scratch, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(input.data()), static_cast<std::streamsize>(split));
  }
  const BoxText text;
  auto screen = std::make_unique<GameScreen>(text);
  World* world = &screen->world;
  const LevelRead level = readLevel(scratch, world->labmap);
  if (!level.ok()) {
    return {};
  }
  if (level.n > kGridMax) {
    return "extent " + std::to_string(level.n) + " above 100";
  }
  const Drawing drawing = drawLevel(world->labmap, level.n);
  if (!drawing.ok() && drawing.error.find('\n') != std::string::npos) {
    return "the drawing's error is more than one line: " + drawing.error;
  }

  // Each key presses one of the table's keys, or one that does nothing; never Escape.
  constexpr std::int16_t kKeys[] = {
      vk::kUp,      vk::kDown,    vk::kLeft,    vk::kRight, vk::kNumpad4,
      vk::kNumpad6, vk::kNumpad8, vk::kNumpad2, vk::kSpace, 65};
  // Enough keys to walk and turn a small level every way, few enough that a full level's keys
  // stay well inside the time limit under the sanitizers.
  constexpr std::size_t kMostKeys = 256;
  screen->images = ImageHolders(Image(3, 5, rgb(200, 0, 0)), Image(7, 2, rgb(0, 200, 0)),
                                Image(1, 1, rgb(0, 0, 200)), Image(16, 16, rgb(200, 200, 0)));
  for (ViewSurface& surface : screen->views.Picture1) {
    surface.setBackdrop(Image(400, 300, rgb(60, 60, 80)));
  }
  screen->views.Picture1[0].setVisible(true);
  placeViewer(*world, level.n);
  world->N = screen->views.Picture1[0].extent();
  const Size client = planClientSize(world->N, world->ro);
  screen->own.resize(client.width, client.height);
  for (std::size_t k = split + 1; k < input.size() && k <= split + kMostKeys; ++k) {
    const std::int16_t key = kKeys[input[k] % std::size(kKeys)];
    if (Picture1_KeyDown(*screen, key) != KeyAction::kDone) {
      return "key " + std::to_string(key) + " ended the game";
    }
    const bool onGrid = level.n < 1 || (world->X >= 0.0f && world->X <= world->ro &&
                                        world->Y >= 0.0f && world->Y <= world->ro);
    if (!onGrid || world->h < 0 || world->h > kEyeMax) {
      return "after key " + std::to_string(key) + " the viewer is at (" + std::to_string(world->X) +
             ", " + std::to_string(world->Y) + "), eye " + std::to_string(world->h);
    }
  }
  return {};
}

}  // namespace quib
