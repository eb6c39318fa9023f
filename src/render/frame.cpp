// Frame composition, as painter's order shows it, and the double-buffered presentation.
#include "render/frame.hpp"

#include <array>
#include <cstdint>
#include <iterator>
#include <optional>
#include <utility>
#include <vector>

#include "render/frame_walk.hpp"
#include "world/level_codes.hpp"

namespace quib {
namespace {

using FacePainter = void (*)(const World&, const ImageHolders&, PaintTarget&, float, float);

// Each face's painter, in the order of Face.
constexpr FacePainter kFacePainters[] = {nullptr, wall, lift1, door1, powonoff1};
static_assert(std::size(kFacePainters) == static_cast<std::size_t>(Face::kPowerSwitch) + 1);

void paintFace(const World& world, const ImageHolders& images, PaintTarget& target, int i, int j) {
  if (const FacePainter painter =
          kFacePainters[static_cast<std::size_t>(faceOf(world.labmap(i, j, 0)))]) {
    painter(world, images, target, static_cast<float>(i), static_cast<float>(j));
  }
}

void paintSideWall(const World& world, PaintTarget& target, int i, int j) {
  if (isSideWall(world.labmap(i, j, 1))) {
    rif(world, target, static_cast<float>(i), static_cast<float>(j));
  }
}

// What each code shows, looked up once a frame rather than once a visit: the face's bitmap
// for a layer-0 code, and whether a layer-1 code is a side wall.
struct CodeLooks {
  explicit CodeLooks(const ImageHolders& images) {
    for (std::int32_t code = 0; code <= kHighestCode; ++code) {
      const auto at = static_cast<std::size_t>(code);
      bitmaps[at] = faceBitmap(images, faceOf(code));
      sideWalls[at] = isSideWall(code);
    }
  }
  const Image* bitmap(std::int32_t code) const {
    return code >= 0 && code <= kHighestCode ? bitmaps[static_cast<std::size_t>(code)] : nullptr;
  }
  bool sideWall(std::int32_t code) const {
    return code >= 0 && code <= kHighestCode && sideWalls[static_cast<std::size_t>(code)];
  }
  std::array<const Image*, kHighestCode + 1> bitmaps{};
  std::array<bool, kHighestCode + 1> sideWalls{};
};

// The visits' kept places, each looked up some visits before it is painted and asked for
// from memory, its shapes' rows a few visits later: long enough for the memory to answer,
// short enough that what came is still at hand when painted, and no more lookups than the
// visits painted need when the surface fills early.
class PlacesAhead {
 public:
  PlacesAhead(const std::vector<std::pair<int, int>>& visits, const FrameShapes& shapes)
      : visits_(visits), shapes_(shapes) {
    for (std::size_t k = visits.size(); k-- > 0 && k + kPlacesAhead >= visits.size();) {
      lookUp(k);
    }
  }
  // The kept place of visit k, the visits taken from the last down; looks ahead for the
  // visits to come.
  FrameShapes::Place* take(std::size_t k) {
    FrameShapes::Place* const kept = ring_[k % kPlacesAhead];
    if (k >= kPlacesAhead) {
      lookUp(k - kPlacesAhead);
    }
    if (k >= kShapesAhead) {
      FrameShapes::prefetchShapes(ring_[(k - kShapesAhead) % kPlacesAhead]);
    }
    return kept;
  }

 private:
  static constexpr std::size_t kPlacesAhead = 8;
  static constexpr std::size_t kShapesAhead = 4;
  void lookUp(std::size_t k) {
    FrameShapes::Place* kept = shapes_.keptPlace(visits_[k].first, visits_[k].second);
    FrameShapes::prefetchPlace(kept);
    ring_[k % kPlacesAhead] = kept;
  }
  const std::vector<std::pair<int, int>>& visits_;
  const FrameShapes& shapes_;
  std::array<FrameShapes::Place*, kPlacesAhead> ring_{};  // by visit number
};

// The visits' paints from the last to the first, on the shapes kept; looking ahead for the
// kept places only where there are any, so that an empty level pays nothing for it.
template <bool kLookAhead>
void paintVisitsBackwards(const World& world, const ImageHolders& images,
                          const std::vector<std::pair<int, int>>& visits, FrameShapes& shapes,
                          FrontToBack& painter) {
  const CodeLooks looks(images);
  int bandRow = -1;
  bool facesHidden = false;
  bool sideWallsHidden = false;
  std::optional<PlacesAhead> ahead;
  if constexpr (kLookAhead) {
    ahead.emplace(visits, shapes);
  }
  for (std::size_t k = visits.size(); k-- > 0 && !painter.full();) {
    FrameShapes::Place* kept = nullptr;
    if constexpr (kLookAhead) {
      kept = ahead->take(k);
    }
    const auto [i, j] = visits[k];
    // The faces, or the side walls, of a grid row whose pixel rows are all painted already
    // are passed over whole.
    if (j != bandRow) {
      bandRow = j;
      const FrameShapes::RowBands bands = shapes.rowBands(world, j);
      facesHidden = painter.rowsFull(bands.faces.first, bands.faces.second);
      sideWallsHidden = painter.rowsFull(bands.sideWalls.first, bands.sideWalls.second);
    }
    const bool sideWall = !sideWallsHidden && looks.sideWall(world.labmap(i, j, 1));
    const Image* bitmap = facesHidden ? nullptr : looks.bitmap(world.labmap(i, j, 0));
    if (!sideWall && bitmap == nullptr) {
      continue;
    }
    FrameShapes::Place& place = shapes.place(i, j, kept);
    if (sideWall) {
      painter.fill(shapes.sideWall(place, world, i, j), kSideWallColour);
    }
    if (bitmap != nullptr) {
      painter.paint(shapes.face(place, world, *bitmap, i, j));
    }
  }
}

}  // namespace

void paintPoint(const World& world, const ImageHolders& images, PaintTarget& target, int i, int j) {
  paintFace(world, images, target, i, j);
  // The side wall comes after the face, so it lies on top of it.
  paintSideWall(world, target, i, j);
}

void WindowN(const World& world, const ImageHolders& images, ViewPair& views, int indx) {
  ViewSurface& surface = views.Picture1[static_cast<std::size_t>(indx)];
  // Painter's order decides what is seen: the last paint to reach a pixel shows. The frame is
  // painted the other way round, from the last visit to the first and each point's side wall
  // before its face, every paint keeping only the pixels no later one takes. Once the surface
  // is full, nothing painted earlier could show, and the walk stops. The paints are the
  // painters' own, on shapes kept from the frames before.
  views.visits.clear();
  walkFrame(world, [&](int i, int j) { views.visits.emplace_back(i, j); });
  views.shapes.beginFrame(world, Size{surface.pixels().width(), surface.pixels().height()});
  surface.composeFrontToBack([&](FrontToBack& painter) {
    if (views.shapes.anyKept()) {
      paintVisitsBackwards<true>(world, images, views.visits, views.shapes, painter);
    } else {
      paintVisitsBackwards<false>(world, images, views.visits, views.shapes, painter);
    }
  });
  views.shapes.endFrame();
}

void c(const World& world, const ImageHolders& images, ViewPair& views) {
  // Only surface 0's visibility decides where the frame goes.
  const int hidden = views.Picture1[0].visible() ? 1 : 0;
  // WindowN starts from a clear surface: what it paints lies on the backdrop alone.
  WindowN(world, images, views, hidden);
  views.bred = views.Picture1[0].visible();
  views.Picture1[0].setVisible(views.Picture1[1].visible());
  views.Picture1[1].setVisible(views.bred);
}

}  // namespace quib
