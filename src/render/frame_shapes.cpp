// Shapes kept by the place's offset from the viewer.
#include "render/frame_shapes.hpp"

#include <algorithm>
#include <cmath>

#include "canvas/spans.hpp"
#include "render/projection.hpp"

namespace quib {

void FrameShapes::beginFrame(const World& world, Size surface) {
  const bool whole = std::trunc(world.X) == world.X && std::trunc(world.Y) == world.Y;
  if (!whole || world.N != extent_ || world.h != h_ || !(surface == surface_)) {
    forgetAll();
    extent_ = world.N;
    h_ = world.h;
    surface_ = surface;
  }
  viewerX_ = static_cast<int>(world.X);
  viewerY_ = static_cast<int>(world.Y);
  ++frame_;
}

void FrameShapes::endFrame() {
  std::size_t keep = 0;
  for (const std::size_t at : kept_) {
    std::unique_ptr<Place>& kept = places_[at];
    if (kept->lastFrame + 1 >= frame_) {
      kept_[keep++] = at;
    } else {
      kept.reset();
    }
  }
  kept_.resize(keep);
}

void FrameShapes::forgetAll() {
  bands_.fill(std::nullopt);
  ++epoch_;
}

void FrameShapes::renew(Place& kept) const {
  kept.epoch = epoch_;
  kept.sideWallMade = false;
  kept.face.forget();
}

FrameShapes::Place& FrameShapes::newPlace(int i, int j) {
  const std::size_t at = offsetOf(i, j);
  if (at == kBeyond) {
    passing_ = Place{};
    return passing_;
  }
  if (places_.empty()) {
    places_.resize(static_cast<std::size_t>(kSpan) * kSpan);
  }
  std::unique_ptr<Place>& kept = places_[at];
  if (!kept) {
    kept = std::make_unique<Place>();
    kept_.push_back(at);
  }
  kept->lastFrame = frame_;
  renew(*kept);
  return *kept;
}

StretchedPicture& FrameShapes::makeFace(Place& kept, const World& world, const Image& picture,
                                        int i, int j) {
  if (const auto rect = faceRect(world, static_cast<float>(i), static_cast<float>(j))) {
    kept.face.stretch(picture, rect->x, rect->y, rect->w, rect->w, surface_);
  } else {
    // A square of no side: it covers nothing, and is kept as the picture's like any other.
    kept.face.stretch(picture, 0.0f, 0.0f, 0.0f, 0.0f, surface_);
  }
  return kept.face;
}

PolygonSpans& FrameShapes::makeSideWall(Place& kept, const World& world, int i, int j) {
  if (const auto points = sideWallPoints(world, static_cast<float>(i), static_cast<float>(j))) {
    kept.sideWall.set(*points, surface_);
  } else {
    kept.sideWall.clear();
  }
  kept.sideWallMade = true;
  return kept.sideWall;
}

FrameShapes::RowBands FrameShapes::makeRowBands(const World& world, int j) const {
  RowBands bands{{0, 0}, {0, 0}};
  const auto add = [](std::pair<int, int>& band, std::pair<int, int> rows) {
    if (rows.first >= rows.second) {
      return;
    }
    band = band.first >= band.second ? rows
                                     : std::pair<int, int>{std::min(band.first, rows.first),
                                                           std::max(band.second, rows.second)};
  };
  const auto fj = static_cast<float>(j);
  if (const auto rect = faceRect(world, world.X, fj); rect && rect->w > 0.0f) {
    // As a stretch takes its rows.
    add(bands.faces,
        coveredPixels(rect->y, static_cast<double>(rect->y) + rect->w, surface_.height));
  }
  // A centre inside the view (the viewer's own column) and one on its edge (as far to the
  // side as the row is ahead).
  const float d = fj - world.Y;
  for (const float i : {world.X, world.X - d}) {
    if (const auto points = sideWallPoints(world, i, fj)) {
      add(bands.sideWalls, polygonRows(*points, surface_.height));
    }
  }
  return bands;
}

}  // namespace quib
