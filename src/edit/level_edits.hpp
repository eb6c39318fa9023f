// The editor's changes to the level: each step undone and redone whole, wherever the world has
// turned since, and the level as it was loaded, for saving.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "edit/plan_spot.hpp"
#include "world/world.hpp"

namespace quib {

class LevelEdits {
 public:
  // For a world just loaded: its grid is the level as the file holds it.
  explicit LevelEdits(const World& loaded);

  // Sets the panel at `spot` of the present grid; false when it holds that code already. Sets
  // until endStep() make one step.
  bool set(World& world, const PlanSpot& spot, std::int32_t code);
  void endStep();
  // Takes the last step back, or puts the last step taken back again; false when there is none.
  bool undo(World& world);
  bool redo(World& world);

  // Follows the world's quarter turns (vk::kNumpad4, vk::kNumpad6), after them.
  void turned(std::int16_t keyCode);
  // The present grid as the level was loaded: every turn since undone.
  std::unique_ptr<Labmap> asLoaded(const Labmap& present) const;

  bool unsaved() const { return savedAt_ != done_ || !open_.empty(); }
  void saved();

 private:
  // A panel's code changed, the panel known by where it lay in the level as loaded.
  struct Change {
    int loaded;
    std::int32_t before;
    std::int32_t after;
  };
  using Step = std::vector<Change>;

  // Brings presentOf_ up to date with origins_.
  void followOrigins();
  void apply(World& world, const Step& step, bool forward) const;

  // Each panel of the present grid holds the index of the place it lay at when loaded, turned
  // with the world by the very same turns: the inverse of every turn since is read off it.
  World origins_;
  // Where each panel of the level as loaded lies in the present grid: origins_ read backwards.
  std::vector<int> presentOf_;
  std::vector<Step> steps_;
  std::size_t done_ = 0;  // the steps taken, the rest of steps_ undone
  Step open_;
  std::optional<std::size_t> savedAt_ = 0;  // nothing once the saved state cannot come back
};

}  // namespace quib
