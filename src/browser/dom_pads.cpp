// The standard mapping's button indices: the face buttons by their place (0 the bottom one),
// then shoulders, triggers, back and start, the sticks' presses, the d-pad, the home button.
#include "browser/dom_pads.hpp"

namespace quib {
namespace {

struct StandardButton {
  int index;
  PadButton button;
};

constexpr StandardButton kStandard[] = {
    {0, PadButton::kA},
    {1, PadButton::kB},
    {2, PadButton::kX},
    {3, PadButton::kY},
    {4, PadButton::kLeftShoulder},
    {5, PadButton::kRightShoulder},
    {8, PadButton::kBack},
    {9, PadButton::kStart},
    {12, PadButton::kUp},
    {13, PadButton::kDown},
    {14, PadButton::kLeft},
    {15, PadButton::kRight},
};

}  // namespace

std::optional<PadButton> padButtonOfStandard(int index) {
  for (const StandardButton& entry : kStandard) {
    if (entry.index == index) {
      return entry.button;
    }
  }
  return std::nullopt;
}

}  // namespace quib
