// The editor's steps across quarter turns: undone where they were made, saved where the level
// was loaded.
#include "edit/level_edits.hpp"

#include <gtest/gtest.h>

#include <memory>

#include "world/key_codes.hpp"
#include "world/labmap_printer.hpp"
#include "world/random_world.hpp"
#include "world/turning.hpp"

namespace quib {
namespace {

// Codes 0 to 8: the edits set 9, which no panel holds before.
constexpr unsigned kCodes = 9;

void turn(World& world, std::int16_t key) {
  if (key == vk::kNumpad4) {
    LeftRound(world);
  } else {
    RightRound(world);
  }
}

std::int16_t opposite(std::int16_t key) {
  return key == vk::kNumpad4 ? vk::kNumpad6 : vk::kNumpad4;
}

TEST(LevelEdits, AnEditAfterTurnsIsSavedWhereTheLevelWasLoaded) {
  const std::vector<std::vector<std::int16_t>> turnings = {
      {},
      {vk::kNumpad4},
      {vk::kNumpad6},
      {vk::kNumpad4, vk::kNumpad4, vk::kNumpad4},
      {vk::kNumpad6, vk::kNumpad6, vk::kNumpad4, vk::kNumpad6, vk::kNumpad6, vk::kNumpad6}};
  for (const int n : {1, 2, 10, 22, 100}) {
    for (const auto& turns : turnings) {
      const auto loaded = randomWorld(n, static_cast<unsigned>(n), kCodes);
      auto world = std::make_unique<World>(*loaded);
      LevelEdits edits(*world);
      for (const std::int16_t key : turns) {
        turn(*world, key);
        edits.turned(key);
      }
      // Both layers of the centre and of a corner: the centre of an even grid keeps its layers
      // through a turn, every other point exchanges them.
      const std::vector<PlanSpot> spots = {{n / 2, n / 2, 0}, {n / 2, n / 2, 1}, {0, n, 1}};
      for (const PlanSpot& spot : spots) {
        edits.set(*world, spot, 9);
      }
      // What the same edits give on the level turned back by the opposite turns.
      auto expected = std::make_unique<World>(*world);
      for (auto key = turns.rbegin(); key != turns.rend(); ++key) {
        turn(*expected, opposite(*key));
      }
      EXPECT_EQ(*edits.asLoaded(world->labmap), expected->labmap)
          << "extent " << n << " after " << turns.size() << " turns";
      // And nothing else than the edits.
      int changed = 0;
      for (int i = 0; i <= kGridMax; ++i) {
        for (int j = 0; j <= kGridMax; ++j) {
          for (int k = 0; k < 2; ++k) {
            changed += expected->labmap(i, j, k) != loaded->labmap(i, j, k) ? 1 : 0;
          }
        }
      }
      EXPECT_EQ(changed, 3) << "extent " << n;
    }
  }
}

TEST(LevelEdits, StepsAreUndoneAndRedoneWholeWhereverTheWorldTurnedSince) {
  const auto loaded = randomWorld(10, 7, kCodes);
  auto world = std::make_unique<World>(*loaded);
  LevelEdits edits(*world);
  EXPECT_FALSE(edits.unsaved());
  EXPECT_FALSE(edits.undo(*world)) << "nothing to undo";

  // A drag: three panels, one of them twice, in one step.
  edits.set(*world, {1, 1, 0}, 1);
  edits.set(*world, {2, 1, 0}, 1);
  edits.set(*world, {1, 1, 0}, 2);
  edits.endStep();
  EXPECT_FALSE(edits.set(*world, {2, 1, 0}, 1)) << "a panel that holds the code already";
  const auto afterDrag = std::make_unique<World>(*world);
  EXPECT_TRUE(edits.unsaved());
  edits.saved();
  EXPECT_FALSE(edits.unsaved());

  LeftRound(*world);
  edits.turned(vk::kNumpad4);
  const auto turnedBack = std::make_unique<World>(*world);
  edits.set(*world, {5, 5, 1}, 3);
  edits.endStep();

  ASSERT_TRUE(edits.undo(*world));
  EXPECT_EQ(world->labmap, turnedBack->labmap) << "the step after the turn, undone";
  EXPECT_FALSE(edits.unsaved()) << "back at the saved grid";
  ASSERT_TRUE(edits.undo(*world));
  RightRound(*world);
  EXPECT_EQ(world->labmap, loaded->labmap) << "the drag undone in the turned grid, whole";
  LeftRound(*world);
  EXPECT_TRUE(edits.unsaved());

  ASSERT_TRUE(edits.redo(*world));
  RightRound(*world);
  EXPECT_EQ(world->labmap, afterDrag->labmap) << "the drag again, the twice-set panel as last set";
  LeftRound(*world);
  EXPECT_FALSE(edits.unsaved());
  ASSERT_TRUE(edits.redo(*world));
  EXPECT_FALSE(edits.redo(*world)) << "nothing more to redo";

  // A new step after an undo drops the steps undone, and with them the way back to the saved
  // grid.
  ASSERT_TRUE(edits.undo(*world));
  ASSERT_TRUE(edits.undo(*world));
  edits.set(*world, {0, 0, 0}, 4);
  edits.endStep();
  EXPECT_FALSE(edits.redo(*world));
  ASSERT_TRUE(edits.undo(*world));
  EXPECT_TRUE(edits.unsaved()) << "the saved grid had the drag, which is undone";
}

}  // namespace
}  // namespace quib
