// World turning: the worked examples, the centre of even grids and the turn identities.
#include "world/turning.hpp"

#include <gtest/gtest.h>

#include <memory>

#include "world/random_world.hpp"

namespace quib {
namespace {

TEST(Turning, WorkedExampleAndItsMirror) {
  auto world = std::make_unique<World>();
  placeViewer(*world, 2);
  world->Y = 0;
  world->labmap(0, 0, 0) = 1;  // on the viewer's left, in its own row
  world->labmap(2, 0, 0) = 7;  // on its right
  LeftRound(*world);
  EXPECT_EQ(world->X, 0.0f);
  EXPECT_EQ(world->Y, 1.0f);
  EXPECT_EQ(world->labmap(0, 2, 1), 1) << "the left piece is straight ahead, along the view";
  EXPECT_EQ(world->labmap(0, 0, 0), 0);

  RightRound(*world);
  RightRound(*world);
  EXPECT_EQ(world->X, 2.0f);
  EXPECT_EQ(world->Y, 1.0f);
  EXPECT_EQ(world->labmap(2, 2, 1), 7) << "the right piece is straight ahead, along the view";
}

TEST(Turning, EveryCellFollowsTheMapping) {
  for (const int n : {1, 2, 9, 10, 100}) {
    const auto before = randomWorld(n, static_cast<unsigned>(n));
    auto left = std::make_unique<World>(*before);
    auto right = std::make_unique<World>(*before);
    LeftRound(*left);
    RightRound(*right);
    for (int x = 0; x <= kGridMax; ++x) {
      for (int y = 0; y <= kGridMax; ++y) {
        const bool inside = x <= n && y <= n;
        const bool centre = n % 2 == 0 && 2 * x == n && 2 * y == n;
        for (int k = 0; k <= 1; ++k) {
          const int fromK = inside && !centre ? 1 - k : k;
          EXPECT_EQ(left->labmap(x, y, k),
                    inside && !centre ? before->labmap(n - y, x, fromK) : before->labmap(x, y, k))
              << "left n=" << n << " at " << x << "," << y << "," << k;
          EXPECT_EQ(right->labmap(x, y, k),
                    inside && !centre ? before->labmap(y, n - x, fromK) : before->labmap(x, y, k))
              << "right n=" << n << " at " << x << "," << y << "," << k;
        }
      }
    }
    EXPECT_EQ(left->X, before->Y);
    EXPECT_EQ(left->Y, static_cast<float>(n) - before->X);
    EXPECT_EQ(right->X, static_cast<float>(n) - before->Y);
    EXPECT_EQ(right->Y, before->X);
  }
}

TEST(Turning, FourTurnsOrOneEachWayChangeNothing) {
  for (const int n : {0, 1, 2, 9, 22, 100}) {
    const auto before = randomWorld(n, 7u + static_cast<unsigned>(n));
    auto world = std::make_unique<World>(*before);
    for (int t = 0; t < 4; ++t) {
      LeftRound(*world);
    }
    EXPECT_EQ(world->labmap, before->labmap) << "four left, n=" << n;
    for (int t = 0; t < 4; ++t) {
      RightRound(*world);
    }
    LeftRound(*world);
    RightRound(*world);
    EXPECT_EQ(world->labmap, before->labmap) << "n=" << n;
    EXPECT_EQ(world->X, before->X);
    EXPECT_EQ(world->Y, before->Y);
  }
}

TEST(Turning, ViewerOnTheCentreOfAnEvenGridStays) {
  auto world = std::make_unique<World>();
  placeViewer(*world, 10);
  world->Y = 5;
  world->labmap(5, 5, 0) = 1;
  world->labmap(5, 5, 1) = 2;
  LeftRound(*world);
  EXPECT_EQ(world->X, 5.0f);
  EXPECT_EQ(world->Y, 5.0f);
  EXPECT_EQ(world->labmap(5, 5, 0), 1) << "the centre keeps its layers";
  EXPECT_EQ(world->labmap(5, 5, 1), 2);
}

TEST(Placement, ViewerStartsMidColumnOnRowOne) {
  const struct {
    int n;
    float X;
  } cases[] = {{20, 10}, {21, 10}, {0, 0}, {1, 0}, {100, 50}, {-3, -1}};
  for (const auto& c : cases) {
    World world;
    placeViewer(world, c.n);
    EXPECT_EQ(world.X, c.X) << "n=" << c.n;
    EXPECT_EQ(world.Y, 1.0f);
    EXPECT_EQ(world.ro, static_cast<float>(c.n));
  }
}

}  // namespace
}  // namespace quib
