// What each paint of a frame covers, kept from one frame to the next by its place.
#pragma once

#include <cstdint>
#include <vector>

#include "canvas/polygon_spans.hpp"
#include "canvas/stretched_picture.hpp"
#include "render/painters.hpp"
#include "world/world.hpp"

namespace quib {

// A paint's pixels depend only on where its point lies from the viewer, the eye's height, the
// surface's size and, for a face, its picture. A repeated frame, a step or a turn brings the
// same places back, so each place's face and side wall are worked out once and kept, with the
// stretched rows the face has shown. The places lie in one block, one for every point a frame
// can visit from a viewer on whole places: d rows ahead (up to the extent), from d columns to
// its left to d to its right. A point elsewhere is worked out afresh each time.
class FrameShapes {
 public:
  // Starts a frame on a surface of the given size: a new eye height, extent or size, or a
  // viewer off whole places, makes every shape kept stale.
  void beginFrame(const World& world, Size surface);
  // The face of point (i, j), stretched from `picture`. Nothing covers a face the projection
  // cannot place.
  StretchedPicture& face(const World& world, int i, int j, const HeldPicture& picture);
  // The side wall of point (i, j).
  PolygonSpans& sideWall(const World& world, int i, int j);

 private:
  struct Place {
    std::uint32_t epoch = 0;    // what is kept holds in this epoch only
    std::uint64_t picture = 0;  // the face's picture's generation; 0 for none yet
    bool sideWallMade = false;
    StretchedPicture face;
    PolygonSpans sideWall;
  };
  Place& place(int i, int j);
  Place& placeAt(int i, int j);

  std::vector<Place> places_;  // d rows ahead: (d + 1)^2 - 1 - d + (i - X), for |i - X| <= d
  Place passing_;              // a point beyond them
  Place* last_ = nullptr;      // the place last asked for, of point (lastI_, lastJ_)
  int lastI_ = -1;
  int lastJ_ = -1;
  std::uint32_t epoch_ = 1;
  bool whole_ = false;  // the viewer stands on whole places
  int viewerX_ = 0;
  int viewerY_ = 0;
  float extent_ = 0;
  std::int16_t h_ = 0;
  Size surface_;
};

}  // namespace quib
