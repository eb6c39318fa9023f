// Clicks on the plan back to panels: where the plan ends, and where there is none.
#include "edit/plan_spot.hpp"

#include <gtest/gtest.h>

namespace quib {
namespace {

constexpr float kN = 521.0f;  // the view surfaces' drawing extent

PlanGeometry planOf(float extent) {
  return PlanGeometry(kN, extent, static_cast<float>(kViewLeft), static_cast<float>(kViewTop));
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
