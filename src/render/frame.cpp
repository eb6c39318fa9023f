// The frame's paints, row by row, and the frame composed from them nearest first.
#include "render/frame.hpp"

#include <algorithm>
#include <utility>

#include "canvas/spans.hpp"
#include "render/frame_walk.hpp"
#include "world/level_codes.hpp"

namespace quib {

void paintsOfRow(const World& world, int j, PaintList& list) {
  walkRow(world, j, [&](int i, int row) {
    switch (faceOf(world.labmap(i, row, 0))) {
      case Face::kWall:
        wall(list, i, row);
        break;
      case Face::kLift:
        lift1(list, i, row);
        break;
      case Face::kDoor:
        door1(list, i, row);
        break;
      case Face::kPowerSwitch:
        powonoff1(list, i, row);
        break;
      case Face::kNone:
        break;
    }
    // The side wall comes after the face, so it lies on top of it.
    if (isSideWall(world.labmap(i, row, 1))) {
      rif(list, i, row);
    }
  });
}

namespace {

// The columns the faces of one grid row have painted on every one of the rows they share,
// joined while they meet. Neighbouring faces overlap by half, so each needs only what it
// does not share with them.
class PaintedColumns {
 public:
  // The part of [x0, x1) a face still has to claim, which it then has painted.
  std::pair<int, int> toClaim(int x0, int x1) {
    if (from_ >= to_ || x0 > to_ || from_ > x1) {
      from_ = x0;
      to_ = x1;
      return {x0, x1};
    }
    std::pair<int, int> claim{x0, x1};
    if (x0 >= from_) {
      claim.first = std::max(x0, to_);
    }
    if (x1 <= to_) {
      claim.second = std::min(x1, from_);
    }
    from_ = std::min(from_, x0);
    to_ = std::max(to_, x1);
    return claim;
  }

 private:
  int from_ = 0;
  int to_ = 0;
};

// Which of a grid row's paints can show nothing: its faces, its side walls.
struct Hidden {
  bool faces;
  bool sideWalls;
};

// Paints a grid row's paints from the last to the first, each over what is still free.
void paintRow(const World& world, const ImageHolders& images, FrameShapes& shapes,
              const PaintList& row, Hidden hidden, FrontToBack& painter) {
  PaintedColumns painted;
  for (auto paint = row.rbegin(); paint != row.rend() && !painter.full(); ++paint) {
    if (paint->kind == Paint::Kind::kSideWall) {
      if (!hidden.sideWalls) {
        painter.fill(shapes.sideWall(world, paint->i, paint->j), kSideWallColour);
      }
    } else if (!hidden.faces) {
      StretchedPicture& face = shapes.face(world, paint->i, paint->j, images.of(paint->face));
      const StretchMap& map = face.map();
      if (map.empty()) {
        continue;
      }
      // The row's faces share their pixel rows: once those are painted, none can show.
      hidden.faces = painter.rowsFull(map.y0, map.y1);
      const auto [x0, x1] = painted.toClaim(map.x0, map.x1);
      painter.paint(face, x0, x1);
    }
  }
}

}  // namespace

void WindowN(const World& world, const ImageHolders& images, FrameShapes& shapes, ViewPair& views,
             int indx) {
  ViewSurface& surface = views.Picture1[static_cast<std::size_t>(indx)];
  // Painter's order decides what is seen: the last paint to reach a pixel shows. The frame is
  // painted the other way round, from its nearest row to its farthest and each row's paints
  // from the last to the first, every paint keeping only the pixels no later one takes. Once
  // the surface is full, nothing painted earlier could show, and the farther rows are never
  // looked at.
  shapes.beginFrame(world, Size{surface.pixels().width(), surface.pixels().height()});
  const GridSpan rows = frameRows(world);
  PaintList row;
  surface.composeFrontToBack([&](FrontToBack& painter) {
    for (int j = rows.first; j <= rows.last && !painter.full(); ++j) {
      // A grid row all of whose faces and side walls could reach only painted rows is not
      // looked at. Otherwise its faces are passed over once one finds their rows painted
      // throughout (all share them), and its side walls if their rows are.
      const FrameShapes::RowBands& bands = shapes.rowBands(world, j);
      const bool facesHidden = painter.rowsFull(bands.faces.first, bands.faces.second);
      const bool sideWallsHidden = painter.rowsFull(bands.sideWalls.first, bands.sideWalls.second);
      if (facesHidden && sideWallsHidden) {
        continue;
      }
      row.clear();
      paintsOfRow(world, j, row);
      paintRow(world, images, shapes, row, {facesHidden, sideWallsHidden}, painter);
    }
  });
}

void c(const World& world, const ImageHolders& images, FrameShapes& shapes, ViewPair& views) {
  // Only surface 0's visibility decides where the frame goes.
  const int hidden = views.Picture1[0].visible() ? 1 : 0;
  // WindowN starts from a clear surface: what it paints lies on the backdrop alone.
  WindowN(world, images, shapes, views, hidden);
  views.bred = views.Picture1[0].visible();
  views.Picture1[0].setVisible(views.Picture1[1].visible());
  views.Picture1[1].setVisible(views.bred);
}

}  // namespace quib
