// Face painters stretch their bitmap into the face's square; rif fills the side-wall quad.
#include "render/painters.hpp"

#include "render/projection.hpp"

namespace quib {
namespace {

void paintFace(const World& world, const Image& bitmap, PaintTarget& target, float i, float j) {
  if (const auto face = faceRect(world, i, j)) {
    target.stretchPaint(bitmap, face->x, face->y, face->w, face->w);
  }
}

}  // namespace

void wall(const World& world, const ImageHolders& images, PaintTarget& target, float i, float j) {
  paintFace(world, images.Image1, target, i, j);
}

void door1(const World& world, const ImageHolders& images, PaintTarget& target, float i, float j) {
  paintFace(world, images.Image3, target, i, j);
}

void powonoff1(const World& world, const ImageHolders& images, PaintTarget& target, float i,
               float j) {
  paintFace(world, images.Image4, target, i, j);
}

void lift1(const World& world, const ImageHolders& images, PaintTarget& target, float i, float j) {
  paintFace(world, images.Image2, target, i, j);
}

void rif(const World& world, PaintTarget& target, float i, float j) {
  target.setDrawColour(kSideWallColour);
  if (const auto points = sideWallPoints(world, i, j)) {
    target.polygon(*points);
  }
  target.refresh();
}

}  // namespace quib
