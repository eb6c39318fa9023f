// The image holders and the generations of their pictures.
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

}  // namespace quib
