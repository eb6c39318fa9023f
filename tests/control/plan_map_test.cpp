// The plan map's geometry and shapes, and how it lands on the game window.
#include "control/plan_map.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "control/plan_reference.hpp"

namespace quib {
namespace {

struct Shape {
  LineStyle style;
  float x1, y1, x2, y2;
  Rgb colour;
  bool operator==(const Shape&) const = default;
};

std::vector<Shape> shapes(const World& world) {
  std::vector<Shape> out;
  forEachPlanShape(world, PlanGeometry(world.N, world.ro, 0, 0),
                   [&](LineStyle style, float x1, float y1, float x2, float y2, Rgb colour) {
                     out.push_back({style, x1, y1, x2, y2, colour});
                   });
  return out;
}

std::unique_ptr<World> small() {
  auto world = std::make_unique<World>();
  world->ro = 4;
  world->N = 80;
  world->X = 2;
  world->Y = 1;
  return world;
}

TEST(PlanMap, GeometryOfTheWorkedExample) {
  // ro = 4, N = 80: the map spans 85 to 125 across, shifted one grid unit right so that the
  // overhang of column 0 clears the view.
  const PlanGeometry g(80, 4, 0, 0);
  EXPECT_EQ(g.s, 10.0f);
  EXPECT_EQ(g.px(-1), 85.0f);
  EXPECT_EQ(g.px(0), 95.0f);
  EXPECT_EQ(g.px(4), 135.0f);
  EXPECT_EQ(g.py(4), 40.0f);
  EXPECT_EQ(g.py(0), 80.0f);
  EXPECT_EQ(shapes(*small()), (std::vector<Shape>{{LineStyle::kFilledBox, 113.75f, 68.75f, 116.25f,
                                                   71.25f, rgb(255, 255, 0)}}))
      << "an empty level shows the viewer alone";
}

TEST(PlanMap, ShapesOfEveryCode) {
  const Rgb magenta = rgb(128, 0, 128);
  const struct {
    const char* what;
    int i, j, k, code;
    std::vector<Shape> expected;
  } cases[] = {
      {"wall across", 1, 2, 0, 1, {{LineStyle::kLine, 95, 60, 115, 60, magenta}}},
      {"wall along", 1, 2, 1, 1, {{LineStyle::kLine, 105, 70, 105, 50, magenta}}},
      {"door at column 0 overhangs",
       0,
       0,
       0,
       2,
       {{LineStyle::kLine, 85, 80, 105, 80, rgb(0, 0, 255)}}},
      {"marker 3",
       3,
       3,
       1,
       3,
       {{LineStyle::kFilledBox, 122.5f, 47.5f, 127.5f, 52.5f, rgb(255, 255, 0)}}},
      {"marker 8 drawn twice",
       3,
       3,
       0,
       8,
       {{LineStyle::kFilledBox, 122.5f, 47.5f, 127.5f, 52.5f, rgb(0, 255, 0)},
        {LineStyle::kFilledBox, 122.5f, 47.5f, 127.5f, 52.5f, rgb(0, 255, 0)}}},
      {"code 8 along the view shows nowhere", 3, 3, 1, 8, {}},
      {"marker 4",
       3,
       3,
       0,
       4,
       {{LineStyle::kFilledBox, 123.75f, 48.75f, 126.25f, 51.25f, rgb(0, 0, 128)}}},
      {"switch", 1, 2, 0, 5, {{LineStyle::kLine, 95, 60, 115, 60, rgb(0, 255, 0)}}},
      {"frame 6", 1, 2, 0, 6, {{LineStyle::kBox, 95, 50, 115, 70, rgb(0, 255, 255)}}},
      {"lift along at the last row",
       1,
       4,
       1,
       7,
       {{LineStyle::kLine, 105, 50, 105, 30, rgb(128, 128, 128)}}},
      {"unknown code", 1, 2, 0, 9, {}},
  };
  for (const auto& c : cases) {
    auto world = small();
    world->labmap(c.i, c.j, c.k) = c.code;
    std::vector<Shape> got = shapes(*world);
    ASSERT_FALSE(got.empty());
    got.pop_back();  // the viewer's marker, always last
    EXPECT_EQ(got, c.expected) << c.what;
  }
}

// Levels whose edge columns hold layer-0 walls and code-6 frames: their shapes reach past
// columns and rows 0 and ro by a grid unit.
TEST(PlanMap, WholePlanInSightBesideTheView) {
  const struct {
    int n;
    Size client;
  } cases[] = {{1, {1328, 802}}, {2, {1067, 672}}, {4, {937, 607}},
               {10, {859, 568}}, {22, {840, 553}}, {100, {840, 553}}};
  for (const auto& c : cases) {
    auto world = std::make_unique<World>();
    world->N = 521;
    placeViewer(*world, c.n);
    for (int j = 0; j <= c.n; ++j) {
      for (const int i : {0, c.n}) {
        world->labmap(i, j, 0) = 1;
        world->labmap(i, j, 1) = 6;
      }
    }
    const Size client = planClientSize(world->N, world->ro);
    EXPECT_EQ(client, c.client) << "extent " << c.n;
    float left = 1e9f;
    float top = 1e9f;
    float right = -1e9f;
    float bottom = -1e9f;
    forEachPlanShape(*world, PlanGeometry(world->N, world->ro, 16, 16),
                     [&](LineStyle, float x1, float y1, float x2, float y2, Rgb) {
                       left = std::min({left, x1, x2});
                       right = std::max({right, x1, x2});
                       top = std::min({top, y1, y2});
                       bottom = std::max({bottom, y1, y2});
                     });
    EXPECT_EQ(left, 16.0f + 521.0f + 5.0f) << "5 pixels right of the view, extent " << c.n;
    EXPECT_LE(right + 1.0f, static_cast<float>(client.width)) << "extent " << c.n;
    EXPECT_GE(top, 0.0f) << "extent " << c.n;
    EXPECT_LE(bottom + 1.0f, static_cast<float>(client.height)) << "extent " << c.n;
  }
  EXPECT_EQ(planClientSize(521, 0), (Size{840, 553})) << "no plan";
}

TEST(PlanMap, NothingWithoutAScale) {
  auto world = small();
  world->ro = 0;
  EXPECT_TRUE(shapes(*world).empty());
  world->ro = -2;
  EXPECT_TRUE(shapes(*world).empty());
}

}  // namespace
}  // namespace quib
