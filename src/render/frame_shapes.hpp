// What each paint of a frame covers, kept from one frame to the next.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "canvas/polygon_spans.hpp"
#include "canvas/prefetch.hpp"
#include "canvas/stretched_picture.hpp"
#include "world/world.hpp"

namespace quib {

// A paint's pixels depend only on where its point lies from the viewer, the eye's height and
// the surface's size. A repeated frame, a step or a turn brings the same places back, so each
// place's faces and side wall are worked out once, with the stretched rows they showed. A
// place that neither of the last two frames needed is forgotten: what is kept is what the last
// frames showed, however long the game.
class FrameShapes {
 public:
  // Starts a frame on a surface of the given size. Everything kept is forgotten when the eye,
  // the extent or the size has changed, and on every frame while the viewer stands off whole
  // places, where the places cannot be told apart from frame to frame.
  void beginFrame(const World& world, Size surface);
  // What is kept of one place: its face (one at a time; another picture there is stretched
  // afresh) and its side wall.
  struct Place {
    std::uint32_t lastFrame = 0;
    std::uint32_t epoch = 0;  // what was worked out holds only in the epoch it was worked out
    bool sideWallMade = false;
    StretchedPicture face;
    PolygonSpans sideWall;
  };
  // Whether any place is kept.
  bool anyKept() const { return !kept_.empty(); }
  // The place kept for point (i, j) in this frame, if there is one. It stays where it is
  // through the frame.
  Place* keptPlace(int i, int j) const {
    if (places_.empty()) {
      return nullptr;
    }
    const std::size_t at = offsetOf(i, j);
    return at == kBeyond ? nullptr : places_[at].get();
  }
  // The place of point (i, j), kept from the frames before or new; `kept` is what keptPlace
  // gave for it earlier in the frame, or null. A null one is looked up again: the place may
  // have been made since, by an earlier visit of the same point.
  Place& place(int i, int j, Place* kept) {
    if (kept == nullptr) {
      kept = keptPlace(i, j);
      if (kept == nullptr) {
        return newPlace(i, j);
      }
    }
    kept->lastFrame = frame_;
    if (kept->epoch != epoch_) {
      renew(*kept);
    }
    return *kept;
  }
  // Ask the memory for a kept place, and for the first rows its shapes keep: kept places lie
  // scattered in memory. They change nothing.
  static void prefetchPlace(const Place* kept) {
    if (kept != nullptr) {
      prefetch(kept, sizeof(Place));
    }
  }
  static void prefetchShapes(const Place* kept) {
    if (kept != nullptr) {
      kept->face.prefetchRows();
      kept->sideWall.prefetchRows();
    }
  }
  // The face of point (i, j) at its place, stretched from `picture`. Nothing covers a face
  // the projection cannot place.
  StretchedPicture& face(Place& kept, const World& world, const Image& picture, int i, int j) {
    return kept.face.isOf(picture) ? kept.face : makeFace(kept, world, picture, i, j);
  }
  // The side wall of point (i, j) at its place.
  PolygonSpans& sideWall(Place& kept, const World& world, int i, int j) {
    return kept.sideWallMade ? kept.sideWall : makeSideWall(kept, world, i, j);
  }
  // The pixel rows [first, end) that hold every row of the faces, and those that hold every
  // row of the side walls, of grid row j: a face's rows do not depend on its column, and a
  // side wall's only on whether its centre lies inside the view or on its edge.
  struct RowBands {
    std::pair<int, int> faces;
    std::pair<int, int> sideWalls;
  };
  RowBands rowBands(const World& world, int j) {
    const int dy = j - static_cast<int>(world.Y) + kGridMax;
    if (dy < 0 || dy >= kSpan) {
      return makeRowBands(world, j);
    }
    std::optional<RowBands>& bands = bands_[static_cast<std::size_t>(dy)];
    if (!bands) {
      bands = makeRowBands(world, j);
    }
    return *bands;
  }
  // Ends a frame: forgets the places neither it nor the frame before needed.
  void endFrame();

 private:
  static constexpr int kSpan = 2 * kGridMax + 1;  // offsets from the viewer, either way

  static constexpr std::size_t kBeyond = static_cast<std::size_t>(-1);  // no offset kept
  // Where point (i, j) is kept, by its offset from the viewer; kBeyond if beyond the offsets.
  // With the viewer on whole places, i - X and j - Y are whole and exact.
  std::size_t offsetOf(int i, int j) const {
    const int dx = i - viewerX_ + kGridMax;
    const int dy = j - viewerY_ + kGridMax;
    if (dx < 0 || dx >= kSpan || dy < 0 || dy >= kSpan) {
      return kBeyond;
    }
    return static_cast<std::size_t>(dy) * kSpan + static_cast<std::size_t>(dx);
  }
  Place& newPlace(int i, int j);
  void renew(Place& kept) const;
  StretchedPicture& makeFace(Place& kept, const World& world, const Image& picture, int i, int j);
  PolygonSpans& makeSideWall(Place& kept, const World& world, int i, int j);
  RowBands makeRowBands(const World& world, int j) const;
  void forgetAll();

  std::vector<std::unique_ptr<Place>> places_;        // by offset from the viewer, row by row
  std::vector<std::size_t> kept_;                     // the offsets that hold a place
  std::array<std::optional<RowBands>, kSpan> bands_;  // by row offset
  Place passing_;  // a place beyond the offsets kept, worked out each time
  std::uint32_t frame_ = 0;
  int viewerX_ = 0;  // the frame's viewer's place, whole
  int viewerY_ = 0;
  // Forgetting everything starts a new epoch: the places stay, with their memory, and are
  // worked out anew as each is next needed.
  std::uint32_t epoch_ = 0;
  float extent_ = 0;
  std::int16_t h_ = 0;
  Size surface_;
};

}  // namespace quib
