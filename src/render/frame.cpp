// Frame composition in painter's order and the double-buffered presentation.
#include "render/frame.hpp"

#include <iterator>

#include "render/frame_walk.hpp"
#include "world/level_codes.hpp"

namespace quib {
namespace {

using FacePainter = void (*)(const World&, const ImageHolders&, ViewSurface&, float, float);

// Each face's painter, in the order of Face.
constexpr FacePainter kFacePainters[] = {nullptr, wall, lift1, door1, powonoff1};
static_assert(std::size(kFacePainters) == static_cast<std::size_t>(Face::kPowerSwitch) + 1);

}  // namespace

void WindowN(const World& world, const ImageHolders& images, ViewPair& views, int indx) {
  ViewSurface& surface = views.Picture1[static_cast<std::size_t>(indx)];
  walkFrame(world, [&](int i, int j) {
    const auto fi = static_cast<float>(i);
    const auto fj = static_cast<float>(j);
    if (const FacePainter painter =
            kFacePainters[static_cast<std::size_t>(faceOf(world.labmap(i, j, 0)))]) {
      painter(world, images, surface, fi, fj);
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
