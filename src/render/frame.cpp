// Frame composition in painter's order and the double-buffered presentation.
#include "render/frame.hpp"

#include "render/frame_walk.hpp"
#include "world/level_codes.hpp"

namespace quib {

void WindowN(const World& world, const ImageHolders& images, ViewPair& views, int indx) {
  ViewSurface& surface = views.Picture1[static_cast<std::size_t>(indx)];
  walkFrame(world, [&](int i, int j) {
    const auto fi = static_cast<float>(i);
    const auto fj = static_cast<float>(j);
    switch (faceOf(world.labmap(i, j, 0))) {
      case Face::kWall:
        wall(world, images, surface, fi, fj);
        break;
      case Face::kDoor:
        door1(world, images, surface, fi, fj);
        break;
      case Face::kPowerSwitch:
        powonoff1(world, images, surface, fi, fj);
        break;
      case Face::kLift:
        lift1(world, images, surface, fi, fj);
        break;
      case Face::kNone:
        break;
    }
    // The side wall comes after the face, so it lies on top of it.
    if (isSideWall(world.labmap(i, j, 1))) {
      rif(world, surface, fi, fj);
    }
  });
}

void c(const World& world, const ImageHolders& images, ViewPair& views) {
  // Only surface 0's visibility decides where the frame goes.
  const int hidden = views.Picture1[0].visible() ? 1 : 0;
  views.Picture1[static_cast<std::size_t>(hidden)].clear();
  WindowN(world, images, views, hidden);
  views.bred = views.Picture1[0].visible();
  views.Picture1[0].setVisible(views.Picture1[1].visible());
  views.Picture1[1].setVisible(views.bred);
}

}  // namespace quib
