// The shipped pictures, drawn by the project: a backdrop and the four faces.
#pragma once

#include "canvas/image.hpp"

namespace quib::artwork {

// Ceiling above, floor below, meeting at the view's horizon: a view surface's size.
Image backdrop();
// The faces, 64 pixels square: bricks, a wooden door, steel lift doors, a switch panel.
Image brickWall();
Image door();
Image lift();
Image powerSwitch();

}  // namespace quib::artwork
