// The frame's paints, as the painters of one grid point make them: the four face kinds of
// layer 0 and the side wall of layer 1.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "canvas/image.hpp"
#include "world/level_codes.hpp"

namespace quib {

// A picture an image holder keeps, with its generation: a number of its own each time a
// holder is given a picture, so that what was made from an earlier picture is never taken
// for this one's, wherever in memory the two lie.
struct HeldPicture {
  Image image;
  std::uint64_t generation = 0;
};

// The image holders Image1 to Image4: the pictures of the wall, the lift, the door and the
// power switch.
class ImageHolders {
 public:
  ImageHolders() = default;
  ImageHolders(Image wall, Image lift, Image door, Image powerSwitch);

  void set(Face face, Image picture);
  // The picture of a face kind other than kNone.
  const HeldPicture& of(Face face) const;

 private:
  std::array<HeldPicture, 4> held_;
};

// One paint of a frame: the face of point (i, j), stretched from its image holder's picture
// into the square the projection gives it (faceRect), or the point's side wall, filled in
// kSideWallColour over the quadrilateral the projection gives it (sideWallPoints). A paint
// the projection cannot place paints nothing.
struct Paint {
  enum class Kind : std::uint8_t { kFace, kSideWall };
  Kind kind = Kind::kFace;
  Face face = Face::kNone;  // a face's picture
  int i = 0;
  int j = 0;
  bool operator==(const Paint&) const = default;
};
using PaintList = std::vector<Paint>;

// Side walls are filled in this red.
inline constexpr Rgb kSideWallColour = rgb(250, 0, 0);

// The painters: each appends its paint of point (i, j). A frame makes thousands: inline.
inline void wall(PaintList& list, int i, int j) {
  list.push_back({Paint::Kind::kFace, Face::kWall, i, j});
}
inline void lift1(PaintList& list, int i, int j) {
  list.push_back({Paint::Kind::kFace, Face::kLift, i, j});
}
inline void door1(PaintList& list, int i, int j) {
  list.push_back({Paint::Kind::kFace, Face::kDoor, i, j});
}
inline void powonoff1(PaintList& list, int i, int j) {
  list.push_back({Paint::Kind::kFace, Face::kPowerSwitch, i, j});
}
inline void rif(PaintList& list, int i, int j) {
  list.push_back({Paint::Kind::kSideWall, Face::kNone, i, j});
}

}  // namespace quib
