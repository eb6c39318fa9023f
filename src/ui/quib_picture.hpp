// The game's picture: the window icon and, stretched, the start screen's picture.
#pragma once

#include "canvas/image.hpp"

namespace quib {

// A yellow figure on a green square inside red-and-grey bands like the walls of a maze, a
// cyan arrow pointing at the figure's head; drawn in 16 colours at any size (32 x 32 is the
// window icon), stretched to fill a picture that is not square.
Image drawQuibPicture(int width, int height);

// The windows' icon: the picture at this side.
inline constexpr int kIconSide = 32;

}  // namespace quib
