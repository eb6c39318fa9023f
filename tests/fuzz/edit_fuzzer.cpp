// libFuzzer: a level of any extent and the editor's clicks, drags, undos, redos and turns on it.
// Every step must come back: undoing all of them gives the level as loaded, redoing them the
// level as edited, wherever the grid has turned meanwhile.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "control/plan_map.hpp"
#include "edit/level_edits.hpp"
#include "edit/plan_spot.hpp"
#include "require.hpp"
#include "world/key_codes.hpp"
#include "world/turning.hpp"

namespace {

constexpr float kN = 521.0f;  // the view surfaces' drawing extent

// A grid of every code, and a few beyond, from a seed.
void fill(quib::Labmap& labmap, std::uint32_t seed) {
  for (int i = 0; i <= quib::kGridMax; ++i) {
    for (int j = 0; j <= quib::kGridMax; ++j) {
      for (int k = 0; k < 2; ++k) {
        constexpr std::uint32_t kMultiplier = 1664525;
        constexpr std::uint32_t kIncrement = 1013904223;
        seed = seed * kMultiplier + kIncrement;
        constexpr std::uint32_t kCodes = 11;
        labmap(i, j, k) = static_cast<std::int32_t>((seed >> 16) % kCodes);
      }
    }
  }
}

// A pixel of the window's width, 0 to 255 stretched over the plan and a little beyond.
float across(const quib::PlanGeometry& g, std::uint8_t at) {
  const float from = g.px(-2.0f);
  const float to = g.px(g.ro + 2.0f);
  return from + (to - from) * static_cast<float>(at) / 255.0f;
}

float down(const quib::PlanGeometry& g, std::uint8_t at) {
  const float from = g.py(g.ro + 2.0f);
  const float to = g.py(-2.0f);
  return from + (to - from) * static_cast<float>(at) / 255.0f;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) {
    return 0;
  }
  const std::span<const std::uint8_t> input(data, size);
  auto world = std::make_unique<quib::World>();
  fill(world->labmap, input[1]);
  // Extents from -28 to 227: beyond the grid both ways.
  constexpr int kLowest = -28;
  quib::placeViewer(*world, kLowest + input[0]);
  world->N = kN;
  const auto loaded = std::make_unique<quib::World>(*world);
  quib::LevelEdits edits(*world);
  const quib::PlanGeometry g(kN, world->ro, quib::kViewLeft, quib::kViewTop);

  constexpr std::size_t kAction = 3;
  for (std::size_t at = 2; at + kAction <= input.size(); at += kAction) {
    const std::uint8_t op = input[at];
    constexpr int kOps = 7;
    switch (op % kOps) {
      case 0:
      case 1:
        if (const auto spot = quib::spotAt(g, across(g, input[at + 1]), down(g, input[at + 2]))) {
          quib::require(spot->i >= 0 && spot->i <= quib::kGridMax && spot->j >= 0 &&
                            spot->j <= quib::kGridMax && static_cast<float>(spot->i) <= g.ro &&
                            static_cast<float>(spot->j) <= g.ro,
                        "a click picks a point of the grid", std::to_string(spot->i));
          edits.set(*world, *spot, static_cast<std::int32_t>(op / kOps % 10));
        }
        if (op % kOps == 1) {
          edits.endStep();
        }
        break;
      case 2:
        edits.undo(*world);
        break;
      case 3:
        edits.redo(*world);
        break;
      case 4:
        quib::LeftRound(*world);
        edits.turned(quib::vk::kNumpad4);
        break;
      case 5:
        quib::RightRound(*world);
        edits.turned(quib::vk::kNumpad6);
        break;
      default:
        edits.saved();
        break;
    }
  }
  edits.endStep();
  const std::unique_ptr<quib::Labmap> edited = edits.asLoaded(world->labmap);
  const auto undoAll = [&] {
    int steps = 0;
    while (edits.undo(*world)) {
      ++steps;
    }
    quib::require(*edits.asLoaded(world->labmap) == loaded->labmap, "every step undone",
                  std::to_string(steps) + " steps");
    return steps;
  };
  const int taken = undoAll();
  for (int step = 0; step < taken; ++step) {
    quib::require(edits.redo(*world), "a step undone is redone", std::to_string(step));
  }
  quib::require(*edits.asLoaded(world->labmap) == *edited, "the steps undone, redone",
                std::to_string(taken) + " steps");
  // And those undone before the end, after them.
  while (edits.redo(*world)) {
  }
  undoAll();
  return 0;
}
