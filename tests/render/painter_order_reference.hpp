// The frame as the game defines it, kept as the reference the composed frame must equal: its
// rows' paints from the farthest row to the nearest, each painted over what lies there.
#pragma once

#include "canvas/raster.hpp"
#include "render/frame.hpp"
#include "render/frame_walk.hpp"
#include "render/projection.hpp"

namespace quib {

// The frame's paints, in painter's order.
inline PaintList framePaints(const World& world) {
  PaintList list;
  const GridSpan rows = frameRows(world);
  for (int j = rows.last; j >= rows.first; --j) {
    paintsOfRow(world, j, list);
  }
  return list;
}

// The frame painted in painter's order on the cleared surface `picture`.
inline void paintInOrder(const World& world, const ImageHolders& images, Image& picture) {
  for (const Paint& paint : framePaints(world)) {
    const auto i = static_cast<float>(paint.i);
    const auto j = static_cast<float>(paint.j);
    if (paint.kind == Paint::Kind::kFace) {
      if (const auto face = faceRect(world, i, j)) {
        stretchPaint(picture, images.of(paint.face).image, face->x, face->y, face->w, face->w);
      }
    } else if (const auto points = sideWallPoints(world, i, j)) {
      fillPolygon(picture, *points, kSideWallColour);
    }
  }
}

// The frame composed on the hidden surface as c does it, but painted in order: the picture
// it leaves there, the surfaces exchanged as c exchanges them.
inline Image referenceFrame(const World& world, const ImageHolders& images, ViewPair& views) {
  const int hidden = views.Picture1[0].visible() ? 1 : 0;
  ViewSurface& surface = views.Picture1[static_cast<std::size_t>(hidden)];
  surface.clear();
  Image picture = surface.pixels();
  paintInOrder(world, images, picture);
  views.bred = views.Picture1[0].visible();
  views.Picture1[0].setVisible(views.Picture1[1].visible());
  views.Picture1[1].setVisible(views.bred);
  return picture;
}

}  // namespace quib
