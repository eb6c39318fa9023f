// Shapes kept by the place's offset from the viewer.
#include "render/frame_shapes.hpp"

#include <algorithm>
#include <cmath>

#include "canvas/spans.hpp"
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
  if (bands_.size() < rows) {
    bands_.resize(rows);
  }
  last_ = nullptr;
  lastI_ = -1;
}

StretchedPicture& FrameShapes::makeFace(Place& kept, const World& world, int i, int j,
                                        const HeldPicture& picture) {
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

PolygonSpans& FrameShapes::makeSideWall(Place& kept, const World& world, int i, int j) {
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

const FrameShapes::RowBands& FrameShapes::rowBands(const World& world, int j) {
  const int d = j - viewerY_;
  if (!whole_ || d < 0 || static_cast<std::size_t>(d) >= bands_.size()) {
    passingBands_ = makeRowBands(world, j);
    return passingBands_;
  }
  KeptBands& kept = bands_[static_cast<std::size_t>(d)];
  if (kept.epoch != epoch_) {
    kept.epoch = epoch_;
    kept.bands = makeRowBands(world, j);
  }
  return kept.bands;
}

FrameShapes::RowBands FrameShapes::makeRowBands(const World& world, int j) const {
  const int height = surface_.height;
  RowBands bands;
  const auto row = static_cast<float>(j);
  if (const auto rect = faceRect(world, world.X, row); rect && rect->w > 0.0f) {
    bands.faces = stretchRows(rect->y, rect->w, height);
  }
  const float d = row - world.Y;
  for (const float i : {world.X, world.X - d}) {
    if (const auto points = sideWallPoints(world, i, row)) {
      const auto rows = polygonRows(*points, height);
      std::pair<int, int>& band = bands.sideWalls;
      if (rows.first < rows.second) {
        band = band.first >= band.second ? rows
                                         : std::pair<int, int>{std::min(band.first, rows.first),
                                                               std::max(band.second, rows.second)};
      }
    }
  }
  return bands;
}

}  // namespace quib
