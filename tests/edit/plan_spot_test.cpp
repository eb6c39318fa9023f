// Clicks on the plan back to the panels they were aimed at, for plans of every scale.
#include "edit/plan_spot.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace quib {
namespace {

constexpr float kN = 521.0f;  // the view surfaces' drawing extent

PlanGeometry planOf(float extent) {
  return PlanGeometry(kN, extent, static_cast<float>(kViewLeft), static_cast<float>(kViewTop));
}

TEST(PlanSpot, BesideAPointIsItsAcrossPanelAboveOrBelowItsAlongPanel) {
  for (const int extent : {1, 2, 10, 22, 100}) {
    const PlanGeometry g = planOf(static_cast<float>(extent));
    const std::vector<int> points = {0, 1, extent / 2, extent - 1, extent};
    for (const int i : points) {
      for (const int j : points) {
        // Offsets in grid units, up the plan being forward (larger rows).
        struct Aim {
          float right, up;
          int k;
        };
        for (const Aim aim :
             {Aim{-0.4f, 0.1f, 0}, Aim{0.4f, -0.1f, 0}, Aim{0.1f, 0.4f, 1}, Aim{-0.1f, -0.4f, 1}}) {
          const float x = g.px(static_cast<float>(i) + aim.right);
          const float y = g.py(static_cast<float>(j) + aim.up);
          EXPECT_EQ(spotAt(g, x, y), (PlanSpot{i, j, aim.k}))
              << "extent " << extent << ", point (" << i << ", " << j << "), aim " << aim.right
              << ", " << aim.up;
        }
      }
    }
  }
}

TEST(PlanSpot, NothingBeyondAGridUnitPastTheOutermostPointsOrWithoutPlan) {
  const PlanGeometry g = planOf(10.0f);
  // Within a grid unit the outermost points are still the nearest.
  EXPECT_EQ(spotAt(g, g.px(-0.9f), g.py(3.0f)), (PlanSpot{0, 3, 0}));
  EXPECT_EQ(spotAt(g, g.px(4.0f), g.py(10.9f)), (PlanSpot{4, 10, 1}));
  EXPECT_EQ(spotAt(g, g.px(-1.1f), g.py(3.0f)), std::nullopt) << "left of the plan";
  EXPECT_EQ(spotAt(g, g.px(11.1f), g.py(3.0f)), std::nullopt) << "right of it";
  EXPECT_EQ(spotAt(g, g.px(4.0f), g.py(-1.1f)), std::nullopt) << "below it";
  EXPECT_EQ(spotAt(g, g.px(4.0f), g.py(11.1f)), std::nullopt) << "above it";
  EXPECT_EQ(spotAt(g, 100.0f, 100.0f), std::nullopt) << "on the view";
  // The grid ends at 100 whatever the extent says.
  const PlanGeometry huge = planOf(150.0f);
  EXPECT_EQ(spotAt(huge, huge.px(101.5f), huge.py(50.0f)), std::nullopt);
  EXPECT_EQ(spotAt(huge, huge.px(100.4f), huge.py(50.0f)), (PlanSpot{100, 50, 0}));
  for (const float extent : {0.0f, -3.0f}) {
    const PlanGeometry none = planOf(extent);
    EXPECT_EQ(spotAt(none, none.px(0.0f), none.py(0.0f)), std::nullopt) << "extent " << extent;
  }
}

}  // namespace
}  // namespace quib
