// Quarter turns of the whole world about its centre: the viewer never turns, the grid does.
#pragma once

#include "world/world.hpp"

namespace quib {

// Kept: the viewer always looks toward larger rows; a turn of the player turns the whole grid
// (and the viewer's place with it) a quarter turn the other way, and exchanges the layers.

// The viewer faces what lay on its left: cell (u, v) goes to (v, n - u), layers exchanged.
void LeftRound(World& world);
// The viewer faces what lay on its right: cell (u, v) goes to (n - v, u), layers exchanged.
void RightRound(World& world);

}  // namespace quib
