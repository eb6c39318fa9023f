// Frames as the player sees them: pixels of composed frames and the surface exchange.
#include "render/frame.hpp"

#include <gtest/gtest.h>

#include <memory>

namespace quib {
namespace {

constexpr Rgb kWall = rgb(200, 0, 200);
constexpr Rgb kDoor = rgb(0, 0, 200);
constexpr Rgb kLift = rgb(0, 200, 0);
constexpr Rgb kSwitch = rgb(200, 200, 0);
constexpr Rgb kBackdrop = rgb(10, 20, 30);

struct Scene {
  Scene() {
    images.Image1 = Image(4, 4, kWall);
    images.Image2 = Image(4, 4, kLift);
    images.Image3 = Image(4, 4, kDoor);
    images.Image4 = Image(4, 4, kSwitch);
    for (ViewSurface& surface : views.Picture1) {
      surface.setBackdrop(Image(521, 521, kBackdrop));
    }
    views.Picture1[0].setVisible(true);
    world->N = 521;
    placeViewer(*world, 20);
    updateConerow(*world);
  }
  const Image& shown() const {
    return views.Picture1[views.Picture1[0].visible() ? 0 : 1].pixels();
  }

  std::unique_ptr<World> world = std::make_unique<World>();
  ImageHolders images;
  ViewPair views;
};

TEST(Frame, ViewersColumnIsPaintedLastOverBothNeighbours) {
  Scene scene;
  // Row 3, two rows ahead of the viewer at (10, 1): faces 260.5 wide, overlapping by half.
  scene.world->labmap(9, 3, 0) = 2;
  scene.world->labmap(10, 3, 0) = 7;
  scene.world->labmap(11, 3, 0) = 5;
  c(*scene.world, scene.images, scene.views);
  const Image& frame = scene.shown();
  EXPECT_EQ(frame.at(100, 260), kDoor) << "left neighbour's outer half";
  EXPECT_EQ(frame.at(160, 260), kLift) << "viewer's column over the left neighbour";
  EXPECT_EQ(frame.at(360, 260), kLift) << "viewer's column over the right neighbour";
  EXPECT_EQ(frame.at(420, 260), kSwitch) << "right neighbour's outer half";
  EXPECT_EQ(frame.at(260, 100), kBackdrop) << "above the faces";
}

TEST(Frame, SideWallOnTheViewsEdgeIsRed) {
  Scene scene;
  // Centre of (14, 5) lies on the right edge of the view: only its far half is drawn.
  scene.world->labmap(14, 5, 1) = 1;
  c(*scene.world, scene.images, scene.views);
  const Image& frame = scene.shown();
  EXPECT_EQ(frame.at(510, 260), kSideWallColour);
  EXPECT_EQ(frame.at(400, 260), kBackdrop) << "nothing left of the piece's far end";
}

TEST(Frame, FacesInTheViewersRowPaintNothing) {
  Scene scene;
  scene.world->labmap(10, 1, 0) = 1;
  scene.world->labmap(10, 1, 1) = 1;
  c(*scene.world, scene.images, scene.views);
  EXPECT_EQ(scene.shown(), Image(521, 521, kBackdrop));
}

TEST(Frame, ExchangeComposesOnTheHiddenSurface) {
  const struct {
    bool shown0, shown1;
    int target;
    bool after0, after1, bred;
  } cases[] = {
      {true, false, 1, false, true, true},
      {false, true, 0, true, false, false},
      {true, true, 1, true, true, true},
      {false, false, 0, false, false, false},
  };
  for (const auto& c0 : cases) {
    Scene scene;
    scene.world->labmap(10, 3, 0) = 1;
    scene.views.Picture1[0].setVisible(c0.shown0);
    scene.views.Picture1[1].setVisible(c0.shown1);
    c(*scene.world, scene.images, scene.views);
    EXPECT_EQ(scene.views.Picture1[static_cast<std::size_t>(c0.target)].pixels().at(260, 260),
              kWall)
        << "frame on surface " << c0.target;
    EXPECT_EQ(scene.views.Picture1[static_cast<std::size_t>(1 - c0.target)].pixels().at(260, 260),
              kBackdrop)
        << "the other surface, from " << c0.shown0 << c0.shown1;
    EXPECT_EQ(scene.views.Picture1[0].visible(), c0.after0) << "from " << c0.shown0 << c0.shown1;
    EXPECT_EQ(scene.views.Picture1[1].visible(), c0.after1) << "from " << c0.shown0 << c0.shown1;
    EXPECT_EQ(scene.views.bred, c0.bred) << "from " << c0.shown0 << c0.shown1;
  }
}

}  // namespace
}  // namespace quib
