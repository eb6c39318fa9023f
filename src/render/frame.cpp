// The frame's paints, row by row, and the frame composed from them nearest first.
#include "render/frame.hpp"

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
      row.clear();
      paintsOfRow(world, j, row);
      // The faces of a grid row share their pixel rows (a face's rows depend only on how far
      // ahead it is and on the eye): once one finds them painted throughout, the row's other
      // faces are not worked out at all.
      bool facesHidden = false;
      for (auto paint = row.rbegin(); paint != row.rend() && !painter.full(); ++paint) {
        if (paint->kind == Paint::Kind::kSideWall) {
          painter.fill(shapes.sideWall(world, paint->i, paint->j), kSideWallColour);
        } else if (!facesHidden) {
          StretchedPicture& face = shapes.face(world, paint->i, paint->j, images.of(paint->face));
          facesHidden = painter.rowsFull(face.map().y0, face.map().y1);
          painter.paint(face);
        }
      }
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
