// The key table with its bounds, and the view-cone rows with their clamp.
#include "control/keys_dispatch.hpp"

#include <gtest/gtest.h>

#include <memory>

namespace quib {
namespace {

TEST(Keys, TableWithStrictBounds) {
  const struct {
    const char* what;
    std::int16_t key;
    float X, Y;
    std::int16_t h;
    float toX, toY;
    std::int16_t toH;
  } cases[] = {
      {"Up", 38, 3, 3, 0, 3, 4, 0},
      {"Up at the last row", 38, 3, 10, 0, 3, 10, 0},
      {"Down", 40, 3, 3, 0, 3, 2, 0},
      {"Down at row 0", 40, 3, 0, 0, 3, 0, 0},
      {"Left", 37, 3, 3, 0, 2, 3, 0},
      {"Left at column 0", 37, 0, 3, 0, 0, 3, 0},
      {"Right", 39, 3, 3, 0, 4, 3, 0},
      {"Right at the last column", 39, 10, 3, 0, 10, 3, 0},
      {"keypad 8", 104, 3, 3, 6, 3, 3, 7},
      {"keypad 8 at 7", 104, 3, 3, 7, 3, 3, 7},
      {"keypad 2", 98, 3, 3, 1, 3, 3, 0},
      {"keypad 2 at 0", 98, 3, 3, 0, 3, 3, 0},
      {"Space", 32, 3, 3, 2, 3, 3, 2},
      {"keypad 4 turns left", 100, 3, 1, 0, 1, 7, 0},
      {"keypad 6 turns right", 102, 3, 1, 0, 9, 3, 0},
  };
  for (const auto& c : cases) {
    auto world = std::make_unique<World>();
    world->ro = 10;
    world->labmap(3, 2, 0) = 1;  // cells never block a step
    world->X = c.X;
    world->Y = c.Y;
    world->h = c.h;
    EXPECT_EQ(applyKey(*world, c.key), KeyAction::kDone) << c.what;
    EXPECT_EQ(world->X, c.toX) << c.what;
    EXPECT_EQ(world->Y, c.toY) << c.what;
    EXPECT_EQ(world->h, c.toH) << c.what;
  }
  World world;
  EXPECT_EQ(applyKey(world, 27), KeyAction::kEndProgram);
}

TEST(Keys, PadButtonsStandForKeys) {
  const struct {
    PadButton button;
    std::optional<std::int16_t> key;
  } cases[] = {
      {PadButton::kUp, 38},
      {PadButton::kDown, 40},
      {PadButton::kLeft, 37},
      {PadButton::kRight, 39},
      {PadButton::kLeftShoulder, 100},
      {PadButton::kRightShoulder, 102},
      {PadButton::kY, 104},
      {PadButton::kA, 98},
      {PadButton::kBack, 27},
      {PadButton::kB, std::nullopt},
      {PadButton::kX, std::nullopt},
      {PadButton::kStart, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(keyOfPadButton(c.button), c.key) << "button " << static_cast<int>(c.button);
  }
}

TEST(Keys, ConeRowsAreClampedToTheExtent) {
  const struct {
    float X, Y, right, left;
  } cases[] = {{5, 1, 6, 6}, {0, 10, 10, 10}, {10, 0, 0, 10}, {2, 3, 10, 5}};
  for (const auto& c : cases) {
    World world;
    world.ro = 10;
    world.X = c.X;
    world.Y = c.Y;
    updateConerow(world);
    EXPECT_EQ(world.conerow.right, c.right) << c.X << "," << c.Y;
    EXPECT_EQ(world.conerow.left, c.left) << c.X << "," << c.Y;
  }
}

}  // namespace
}  // namespace quib
