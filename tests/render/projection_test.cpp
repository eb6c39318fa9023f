// The view's numbers: face squares, side-wall points with their rounding, and the walk order.
#include "render/projection.hpp"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "render/frame_walk.hpp"

namespace quib {
namespace {

World viewer(float N, float X, float Y, std::int16_t h, float ro = 100) {
  World world;
  world.N = N;
  world.X = X;
  world.Y = Y;
  world.h = h;
  world.ro = ro;
  return world;
}

TEST(FaceRect, SquaresOfTheFacesInFront) {
  const struct {
    float i, j;
    std::int16_t h;
    FaceRect face;
  } cases[] = {
      {5, 2, 0, {0, 0, 800}},     {5, 3, 0, {200, 200, 400}}, {6, 3, 0, {400, 200, 400}},
      {4, 3, 0, {0, 200, 400}},   {8, 3, 0, {800, 200, 400}}, {5, 3, 2, {200, 600, 400}},
      {5, 11, 0, {360, 360, 80}},
  };
  for (const auto& c : cases) {
    const auto face = faceRect(viewer(800, 5, 1, c.h), c.i, c.j);
    ASSERT_TRUE(face.has_value());
    EXPECT_EQ(*face, c.face) << "cell (" << c.i << ", " << c.j << ") h=" << c.h;
  }
  EXPECT_FALSE(faceRect(viewer(800, 5, 1, 0), 5, 1).has_value()) << "the viewer's own row";
}

TEST(SideWall, PointsOfEveryCase) {
  using Quad = std::array<Point, 4>;
  const struct {
    const char* what;
    float i, j;
    std::int16_t h;
    Quad points;
  } cases[] = {
      {"straight ahead, edge-on", 5, 4, 0, {{{200, 133}, {200, 267}, {200, 240}, {200, 160}}}},
      {"right of the view's middle", 7, 4, 0, {{{333, 133}, {333, 267}, {280, 240}, {280, 160}}}},
      {"left of it", 3, 4, 0, {{{67, 133}, {67, 267}, {120, 240}, {120, 160}}}},
      {"centre on the right edge", 9, 4, 0, {{{400, 150}, {400, 250}, {360, 240}, {360, 160}}}},
      {"centre on the left edge", 1, 4, 0, {{{0, 150}, {0, 250}, {40, 240}, {40, 160}}}},
      {"centre outside the view", 10, 4, 0, {}},
      {"eye one unit up", 7, 4, 1, {{{333, 200}, {333, 333}, {280, 280}, {280, 200}}}},
      // 212.5 and 187.5 go to the even neighbours 212 and 188.
      {"halves to even", 6, 15, 0, {{{214, 186}, {214, 214}, {212, 212}, {212, 188}}}},
  };
  for (const auto& c : cases) {
    const auto points = sideWallPoints(viewer(400, 5, 0, c.h), c.i, c.j);
    ASSERT_TRUE(points.has_value()) << c.what;
    EXPECT_EQ(*points, c.points) << c.what;
  }
}

TEST(SideWall, PlacesThatWouldDivideByZeroPaintNothing) {
  const World world = viewer(400, 5, 4, 0);
  for (const auto& [i, j] : {std::pair{5.0f, 4.0f}, {7.0f, 4.0f}, {6.0f, 3.0f}, {5.0f, 5.0f}}) {
    EXPECT_FALSE(sideWallPoints(world, i, j).has_value()) << i << "," << j;
  }
  EXPECT_TRUE(sideWallPoints(world, 6, 5).has_value()) << "one row ahead, beside the viewer";
}

std::string walk(const World& world) {
  std::string order;
  int row = -1;
  const auto visit = [&](int i, int j) {
    if (j != row) {
      order += (row == -1 ? "" : " | ") + std::to_string(j) + ":";
      row = j;
    }
    order += " " + std::to_string(i);
  };
  const GridSpan rows = frameRows(world);
  for (int j = rows.last; j >= rows.first; --j) {
    walkRow(world, j, visit);
  }
  return order;
}

World coned(float ro, float X, float Y, std::int16_t h) {
  World world = viewer(521, X, Y, h, ro);
  updateConerow(world);
  return world;
}

TEST(FrameWalk, FarRowsFirstEachFromBothSidesToTheViewer) {
  const std::string full = " 0 1 2 3 4 5 10 9 8 7 6 5";
  EXPECT_EQ(walk(coned(10, 5, 1, 1)),
            "10:" + full + " | 9:" + full + " | 8:" + full + " | 7:" + full + " | 6:" + full +
                " | 5: 1 2 3 4 5 9 8 7 6 5 | 4: 2 3 4 5 8 7 6 5 | 3: 3 4 5 7 6 5 | 2: 4 5 6 5");
  EXPECT_EQ(walk(coned(3, 0, 1, 0)), "3: 0 3 2 1 0 | 2: 0 1 0 | 1: 0 0");
  EXPECT_EQ(walk(coned(3, 3, 1, 0)), "3: 0 1 2 3 3 | 2: 2 3 3 | 1: 3 3");
  EXPECT_EQ(walk(coned(10, 5, 10, 1)), "") << "h + Y beyond the last row";
  EXPECT_EQ(walk(coned(0, 0, 0, 0)), "0: 0 0");
}

}  // namespace
}  // namespace quib
