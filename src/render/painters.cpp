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

const Image* faceBitmap(const ImageHolders& images, Face face) {
  switch (face) {
    case Face::kWall:
      return &images.Image1;
    case Face::kLift:
      return &images.Image2;
    case Face::kDoor:
      return &images.Image3;
    case Face::kPowerSwitch:
      return &images.Image4;
    case Face::kNone:
      break;
  }
  return nullptr;
}

void wall(const World& world, const ImageHolders& images, PaintTarget& target, float i, float j) {
  paintFace(world, *faceBitmap(images, Face::kWall), target, i, j);
}

void door1(const World& world, const ImageHolders& images, PaintTarget& target, float i, float j) {
  paintFace(world, *faceBitmap(images, Face::kDoor), target, i, j);
}

void powonoff1(const World& world, const ImageHolders& images, PaintTarget& target, float i,
               float j) {
  paintFace(world, *faceBitmap(images, Face::kPowerSwitch), target, i, j);
}

void lift1(const World& world, const ImageHolders& images, PaintTarget& target, float i, float j) {
  paintFace(world, *faceBitmap(images, Face::kLift), target, i, j);
}

void rif(const World& world, PaintTarget& target, float i, float j) {
  target.setDrawColour(kSideWallColour);
  if (const auto points = sideWallPoints(world, i, j)) {
    target.polygon(*points);
  }
  target.refresh();
}

}  // namespace quib
