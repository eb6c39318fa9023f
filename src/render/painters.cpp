// The painters and the image holders whose pictures they paint.
#include "render/painters.hpp"

#include <atomic>
#include <utility>

namespace quib {
namespace {

// Process-wide, so that no two pictures ever share a generation, whichever holders hold them.
std::uint64_t nextGeneration() {
  static std::atomic<std::uint64_t> last{0};
  return ++last;
}

std::size_t slotOf(Face face) {
  return static_cast<std::size_t>(face) - static_cast<std::size_t>(Face::kWall);
}

}  // namespace

ImageHolders::ImageHolders(Image wall, Image lift, Image door, Image powerSwitch) {
  set(Face::kWall, std::move(wall));
  set(Face::kLift, std::move(lift));
  set(Face::kDoor, std::move(door));
  set(Face::kPowerSwitch, std::move(powerSwitch));
}

void ImageHolders::set(Face face, Image picture) {
  held_[slotOf(face)] = {std::move(picture), nextGeneration()};
}

const HeldPicture& ImageHolders::of(Face face) const {
  return held_[slotOf(face)];
}

void wall(PaintList& list, int i, int j) {
  list.push_back({Paint::Kind::kFace, Face::kWall, i, j});
}

void lift1(PaintList& list, int i, int j) {
  list.push_back({Paint::Kind::kFace, Face::kLift, i, j});
}

void door1(PaintList& list, int i, int j) {
  list.push_back({Paint::Kind::kFace, Face::kDoor, i, j});
}

void powonoff1(PaintList& list, int i, int j) {
  list.push_back({Paint::Kind::kFace, Face::kPowerSwitch, i, j});
}

void rif(PaintList& list, int i, int j) {
  list.push_back({Paint::Kind::kSideWall, Face::kNone, i, j});
}

}  // namespace quib
