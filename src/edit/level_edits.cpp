// Steps of changes kept by the place each panel was loaded at, so that turns move none of them.
#include "edit/level_edits.hpp"

#include <algorithm>

#include "world/key_codes.hpp"
#include "world/turning.hpp"

namespace quib {
namespace {

constexpr int kSide = Labmap::kSide;

int indexOf(const PlanSpot& spot) {
  return (spot.i * kSide + spot.j) * 2 + spot.k;
}

PlanSpot spotOf(int index) {
  return {index / 2 / kSide, index / 2 % kSide, index % 2};
}

template <class Visit>
void forEachSpot(Visit&& visit) {
  for (int i = 0; i < kSide; ++i) {
    for (int j = 0; j < kSide; ++j) {
      for (int k = 0; k < 2; ++k) {
        visit(PlanSpot{i, j, k});
      }
    }
  }
}

}  // namespace

LevelEdits::LevelEdits(const World& loaded)
    : presentOf_(static_cast<std::size_t>(kSide) * kSide * 2) {
  origins_.ro = loaded.ro;
  forEachSpot([&](const PlanSpot& s) { origins_.labmap(s.i, s.j, s.k) = indexOf(s); });
  followOrigins();
}

bool LevelEdits::set(World& world, const PlanSpot& spot, std::int32_t code) {
  std::int32_t& panel = world.labmap(spot.i, spot.j, spot.k);
  if (panel == code) {
    return false;
  }
  const int loaded = origins_.labmap(spot.i, spot.j, spot.k);
  const auto same = std::find_if(open_.begin(), open_.end(),
                                 [&](const Change& change) { return change.loaded == loaded; });
  if (same != open_.end()) {
    same->after = code;
  } else {
    open_.push_back({loaded, panel, code});
  }
  panel = code;
  return true;
}

void LevelEdits::endStep() {
  if (open_.empty()) {
    return;
  }
  steps_.resize(done_);
  if (savedAt_ && *savedAt_ > done_) {
    savedAt_.reset();  // the steps that led to the saved grid are gone
  }
  steps_.push_back(std::move(open_));
  open_.clear();
  ++done_;
}

bool LevelEdits::undo(World& world) {
  endStep();
  if (done_ == 0) {
    return false;
  }
  --done_;
  apply(world, steps_[done_], false);
  return true;
}

bool LevelEdits::redo(World& world) {
  endStep();
  if (done_ == steps_.size()) {
    return false;
  }
  apply(world, steps_[done_], true);
  ++done_;
  return true;
}

void LevelEdits::turned(std::int16_t keyCode) {
  if (keyCode == vk::kNumpad4) {
    LeftRound(origins_);
  } else if (keyCode == vk::kNumpad6) {
    RightRound(origins_);
  } else {
    return;
  }
  followOrigins();
}

void LevelEdits::followOrigins() {
  forEachSpot([&](const PlanSpot& s) {
    presentOf_[static_cast<std::size_t>(origins_.labmap(s.i, s.j, s.k))] = indexOf(s);
  });
}

std::unique_ptr<Labmap> LevelEdits::asLoaded(const Labmap& present) const {
  auto loaded = std::make_unique<Labmap>();
  forEachSpot([&](const PlanSpot& s) {
    const PlanSpot at = spotOf(origins_.labmap(s.i, s.j, s.k));
    (*loaded)(at.i, at.j, at.k) = present(s.i, s.j, s.k);
  });
  return loaded;
}

void LevelEdits::saved() {
  endStep();
  savedAt_ = done_;
}

void LevelEdits::apply(World& world, const Step& step, bool forward) const {
  // A step holds each panel once: the order it is put back in does not matter.
  for (const Change& change : step) {
    const PlanSpot at = spotOf(presentOf_[static_cast<std::size_t>(change.loaded)]);
    world.labmap(at.i, at.j, at.k) = forward ? change.after : change.before;
  }
}

}  // namespace quib
