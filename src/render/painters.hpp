// The painters of one grid point: the four face kinds of layer 0 and the side wall of layer 1.
#pragma once

#include "canvas/image.hpp"
#include "canvas/paint_target.hpp"
#include "world/level_codes.hpp"
#include "world/world.hpp"

namespace quib {

// The face bitmaps, kept for the painters.
struct ImageHolders {
  Image Image1;  // wall
  Image Image2;  // lift
  Image Image3;  // door
  Image Image4;  // power switch
};

// The bitmap a face kind is stretched from; none for Face::kNone.
const Image* faceBitmap(const ImageHolders& images, Face face);

// Side walls are filled in this red.
inline constexpr Rgb kSideWallColour = rgb(250, 0, 0);

void wall(const World& world, const ImageHolders& images, PaintTarget& target, float i, float j);
void door1(const World& world, const ImageHolders& images, PaintTarget& target, float i, float j);
void powonoff1(const World& world, const ImageHolders& images, PaintTarget& target, float i,
               float j);
void lift1(const World& world, const ImageHolders& images, PaintTarget& target, float i, float j);
void rif(const World& world, PaintTarget& target, float i, float j);

}  // namespace quib
