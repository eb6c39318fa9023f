// What each paint of a frame covers, kept from one frame to the next by its place.
#pragma once

#include <cstdint>
#include <utility>
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
  // cannot place. Asked thousands of times a frame and mostly kept already, so the kept shape
  // is found inline.
  StretchedPicture& face(const World& world, int i, int j, const HeldPicture& picture) {
    Place& kept = place(i, j);
    if (kept.epoch == epoch_ && kept.picture == picture.generation) {
      return kept.face;
    }
    return makeFace(kept, world, i, j, picture);
  }
  // The pixel rows [first, end) that hold the faces, and those that hold the side walls, of
  // grid row j: a face's rows do not depend on its column, and a side wall's only on whether
  // its centre lies inside the view or on its edge.
  struct RowBands {
    std::pair<int, int> faces{0, 0};
    std::pair<int, int> sideWalls{0, 0};
  };
  const RowBands& rowBands(const World& world, int j);
  // The side wall of point (i, j).
  PolygonSpans& sideWall(const World& world, int i, int j) {
    Place& kept = place(i, j);
    if (kept.epoch == epoch_ && kept.sideWallMade) {
      return kept.sideWall;
    }
    return makeSideWall(kept, world, i, j);
  }

 private:
  struct Place {
    std::uint32_t epoch = 0;    // what is kept holds in this epoch only
    std::uint64_t picture = 0;  // the face's picture's generation; 0 for none yet
    bool sideWallMade = false;
    StretchedPicture face;
    PolygonSpans sideWall;
  };
  Place& place(int i, int j) {
    // A point's face and side wall are asked for one after the other.
    if (i != lastI_ || j != lastJ_) {
      lastI_ = i;
      lastJ_ = j;
      last_ = &placeAt(i, j);
    }
    return *last_;
  }
  Place& placeAt(int i, int j) {
    const int d = j - viewerY_;
    const int dx = i - viewerX_;
    // Row d's places follow the d^2 of the nearer rows, from d columns left to d right.
    const auto at = static_cast<std::size_t>(d) * static_cast<std::size_t>(d) +
                    static_cast<std::size_t>(dx + d);
    if (!whole_ || d < 0 || dx > d || dx < -d || at >= places_.size()) {
      passing_.epoch = 0;
      return passing_;
    }
    return places_[at];
  }
  StretchedPicture& makeFace(Place& kept, const World& world, int i, int j,
                             const HeldPicture& picture);
  PolygonSpans& makeSideWall(Place& kept, const World& world, int i, int j);

  struct KeptBands {
    std::uint32_t epoch = 0;
    RowBands bands;
  };
  RowBands makeRowBands(const World& world, int j) const;

  std::vector<KeptBands> bands_;  // by rows ahead
  RowBands passingBands_;         // of a row no kept bands are for
  std::vector<Place> places_;     // d rows ahead: (d + 1)^2 - 1 - d + (i - X), for |i - X| <= d
  Place passing_;                 // a point beyond them
  Place* last_ = nullptr;         // the place last asked for, of point (lastI_, lastJ_)
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
