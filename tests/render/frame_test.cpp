// Frames as the player sees them: pixels of composed frames and the surface exchange.
#include "render/frame.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "render/painter_order_reference.hpp"

namespace quib {
namespace {

constexpr Rgb kWall = rgb(200, 0, 200);
constexpr Rgb kDoor = rgb(0, 0, 200);
constexpr Rgb kLift = rgb(0, 200, 0);
constexpr Rgb kSwitch = rgb(200, 200, 0);
constexpr Rgb kBackdrop = rgb(10, 20, 30);

struct Scene {
  Scene() {
    images = ImageHolders(Image(4, 4, kWall), Image(4, 4, kLift), Image(4, 4, kDoor),
                          Image(4, 4, kSwitch));
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
  FrameShapes shapes;
};

TEST(Frame, PaintsFarRowsFirstEachPointsFaceThenItsSideWall) {
  // Extent 4, the viewer at (2, 1): rows 4 to 1, each from both sides in to the viewer's
  // column, which both sides reach; codes without a picture or a side wall paint nothing.
  Scene scene;
  placeViewer(*scene.world, 4);
  updateConerow(*scene.world);
  Labmap& labmap = scene.world->labmap;
  labmap(0, 4, 0) = 1;
  labmap(0, 4, 1) = 1;
  labmap(2, 4, 0) = 7;
  labmap(3, 4, 0) = 2;
  labmap(3, 4, 1) = 2;  // a door along the view: shown nowhere
  labmap(4, 4, 0) = 5;
  labmap(1, 2, 1) = 1;
  labmap(2, 2, 0) = 3;  // a marker: on the plan only
  labmap(2, 1, 0) = 1;
  labmap(2, 1, 1) = 1;
  std::string list;
  for (const Paint& paint : framePaints(*scene.world)) {
    constexpr const char* kPainters[] = {"", "wall", "lift1", "door1", "powonoff1"};
    list += std::string(paint.kind == Paint::Kind::kSideWall
                            ? "rif"
                            : kPainters[static_cast<std::size_t>(paint.face)]) +
            "(" + std::to_string(paint.i) + "," + std::to_string(paint.j) + ") ";
  }
  EXPECT_EQ(list,
            "wall(0,4) rif(0,4) lift1(2,4) powonoff1(4,4) door1(3,4) lift1(2,4) rif(1,2) wall(2,1) "
            "rif(2,1) wall(2,1) rif(2,1) ");
}

TEST(Frame, ViewersColumnIsPaintedLastOverBothNeighbours) {
  Scene scene;
  // Row 3, two rows ahead of the viewer at (10, 1): faces 260.5 wide, overlapping by half.
  scene.world->labmap(9, 3, 0) = 2;
  scene.world->labmap(10, 3, 0) = 7;
  scene.world->labmap(11, 3, 0) = 5;
  c(*scene.world, scene.images, scene.shapes, scene.views);
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
  c(*scene.world, scene.images, scene.shapes, scene.views);
  const Image& frame = scene.shown();
  EXPECT_EQ(frame.at(510, 260), kSideWallColour);
  EXPECT_EQ(frame.at(400, 260), kBackdrop) << "nothing left of the piece's far end";
}

TEST(Frame, FacesInTheViewersRowPaintNothing) {
  Scene scene;
  scene.world->labmap(10, 1, 0) = 1;
  scene.world->labmap(10, 1, 1) = 1;
  c(*scene.world, scene.images, scene.shapes, scene.views);
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
    c(*scene.world, scene.images, scene.shapes, scene.views);
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

TEST(Frame, KeptShapesFollowPicturesEyesAndViewers) {
  // Frames of one game in turn, each against the painter's order on a second game: what is
  // kept between frames must never show what no longer holds.
  Scene fast;
  Scene reference;
  std::mt19937 random(3);
  for (int i = 0; i <= 20; ++i) {
    for (int j = 0; j <= 20; ++j) {
      fast.world->labmap(i, j, 0) = static_cast<std::int32_t>(random() % 8);
      fast.world->labmap(i, j, 1) = static_cast<std::int32_t>(random() % 3);
    }
  }
  const struct {
    const char* what;
    void (*change)(Scene&);
  } steps[] = {
      {"the first frame", [](Scene&) {}},
      {"the same frame again", [](Scene&) {}},
      {"a wall's picture replaced by one of its size",
       [](Scene& s) { s.images.set(Face::kWall, Image(4, 4, rgb(1, 2, 3))); }},
      {"a door's picture replaced by a larger one",
       [](Scene& s) { s.images.set(Face::kDoor, Image(9, 5, rgb(4, 5, 6))); }},
      {"the eye raised", [](Scene& s) { s.world->h = 2; }},
      {"the eye lowered again", [](Scene& s) { s.world->h = 0; }},
      {"a step ahead", [](Scene& s) { s.world->Y += 1.0f; }},
      {"far to the side, the places before unused for two frames",
       [](Scene& s) { s.world->X = 2.0f; }},
      {"(still there)", [](Scene&) {}},
      {"back again", [](Scene& s) { s.world->X = 10.0f; }},
      {"the viewer off whole places", [](Scene& s) { s.world->X = 10.5f; }},
      {"(still off)", [](Scene&) {}},
  };
  for (const auto& step : steps) {
    step.change(fast);
    reference.images = fast.images;
    *reference.world = *fast.world;
    updateConerow(*fast.world);
    updateConerow(*reference.world);
    c(*fast.world, fast.images, fast.shapes, fast.views);
    ASSERT_TRUE(fast.shown() == referenceFrame(*reference.world, reference.images, reference.views))
        << step.what;
  }
}

}  // namespace
}  // namespace quib
