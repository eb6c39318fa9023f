// The editor's steps across quarter turns: undone and redone whole where they were made.
#include "edit/level_edits.hpp"

#include <gtest/gtest.h>

#include <memory>

#include "world/key_codes.hpp"
#include "world/labmap_printer.hpp"
#include "world/random_world.hpp"
#include "world/turning.hpp"

namespace quib {
namespace {

TEST(LevelEdits, StepsAreUndoneAndRedoneWholeWhereverTheWorldTurnedSince) {
  const auto loaded = randomWorld(10, 7);
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
