// Shapes kept by the place's offset from the viewer.
#include "render/frame_shapes.hpp"

#include <cmath>
#include <cstdlib>

#include "render/projection.hpp"

namespace quib {

void FrameShapes::beginFrame(const World& world, Size surface) {
  whole_ = std::trunc(world.X) == world.X && std::trunc(world.Y) == world.Y;
  if (!whole_ || world.N != extent_ || world.h != h_ || !(surface == surface_)) {
    // The places stay, with their memory, and are worked out anew as each is next needed.
    ++epoch_;
    extent_ = world.N;
    h_ = world.h;
    surface_ = surface;
  }
  if (whole_) {
    viewerX_ = static_cast<int>(world.X);
    viewerY_ = static_cast<int>(world.Y);
  }
  // No row lies farther ahead than the extent: a small level needs only its part of the block.
  const auto rows = static_cast<std::size_t>(gridSpan(0.0f, world.ro).last + 1);
  if (places_.size() < rows * rows) {
    places_.resize(rows * rows);
  }
  last_ = nullptr;
  lastI_ = -1;
}

FrameShapes::Place& FrameShapes::place(int i, int j) {
  // A point's face and side wall are asked for one after the other.
  if (i == lastI_ && j == lastJ_) {
    return *last_;
  }
  lastI_ = i;
  lastJ_ = j;
  last_ = &placeAt(i, j);
  return *last_;
}

FrameShapes::Place& FrameShapes::placeAt(int i, int j) {
  const int d = j - viewerY_;
  const int dx = i - viewerX_;
  if (!whole_ || d < 0 || std::abs(dx) > d) {
    passing_.epoch = 0;
    return passing_;
  }
  // Row d's places follow the d^2 of the nearer rows, from d columns left to d right.
  const auto row = static_cast<std::size_t>(d);
  const std::size_t at = row * row + static_cast<std::size_t>(dx + d);
  if (at >= places_.size()) {
    passing_.epoch = 0;
    return passing_;
  }
  return places_[at];
}

StretchedPicture& FrameShapes::face(const World& world, int i, int j, const HeldPicture& picture) {
  Place& kept = place(i, j);
  if (kept.epoch == epoch_ && kept.picture == picture.generation) {
    return kept.face;
  }
  if (kept.epoch != epoch_) {
    kept.epoch = epoch_;
    kept.sideWallMade = false;
  }
  kept.picture = picture.generation;
  if (const auto rect = faceRect(world, static_cast<float>(i), static_cast<float>(j))) {
    kept.face.stretch(picture.image, rect->x, rect->y, rect->w, rect->w, surface_);
  } else {
    // A square of no side covers nothing.
    kept.face.stretch(picture.image, 0.0f, 0.0f, 0.0f, 0.0f, surface_);
  }
  return kept.face;
}

PolygonSpans& FrameShapes::sideWall(const World& world, int i, int j) {
  Place& kept = place(i, j);
  if (kept.epoch == epoch_ && kept.sideWallMade) {
    return kept.sideWall;
  }
  if (kept.epoch != epoch_) {
    kept.epoch = epoch_;
    kept.picture = 0;
  }
  if (const auto points = sideWallPoints(world, static_cast<float>(i), static_cast<float>(j))) {
    kept.sideWall.set(*points, surface_);
  } else {
    kept.sideWall.clear();
  }
  kept.sideWallMade = true;
  return kept.sideWall;
}

}  // namespace quib
