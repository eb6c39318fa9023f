// Face painters stretch their bitmap into the face's square; rif fills the side-wall quad.
#include "render/painters.hpp"

#include "render/projection.hpp"

namespace quib {
namespace {

void paintFace(const World& world, const Image& bitmap, ViewSurface& surface, float i, float j) {
  if (const auto face = faceRect(world, i, j)) {
    surface.stretchPaint(bitmap, face->x, face->y, face->w, face->w);
  }
}

}  // namespace

void wall(const World& world, const ImageHolders& images, ViewSurface& surface, float i, float j) {
  paintFace(world, images.Image1, surface, i, j);
}

void door1(const World& world, const ImageHolders& images, ViewSurface& surface, float i, float j) {
  paintFace(world, images.Image3, surface, i, j);
}

void powonoff1(const World& world, const ImageHolders& images, ViewSurface& surface, float i,
               float j) {
  paintFace(world, images.Image4, surface, i, j);
}

void lift1(const World& world, const ImageHolders& images, ViewSurface& surface, float i, float j) {
  paintFace(world, images.Image2, surface, i, j);
}

void rif(const World& world, ViewSurface& surface, float i, float j) {
  surface.setDrawColour(kSideWallColour);
  if (const auto points = sideWallPoints(world, i, j)) {
    surface.polygon(*points);
  }
  surface.refresh();
}

}  // namespace quib
