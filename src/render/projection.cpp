// The projection in 32-bit floats, one operation at a time in a fixed order, so that every
// machine computes the same pixels; points are rounded half to even.
#include "render/projection.hpp"

namespace quib {
namespace {

// Screen points lie within some 26,000 pixels of the view; anything beyond is no point.
constexpr std::int64_t kPointReach = 1 << 24;

std::optional<Point> screenPoint(float x, float y) {
  const auto px = roundToInt(x, -kPointReach, kPointReach);
  const auto py = roundToInt(y, -kPointReach, kPointReach);
  if (!px || !py) {
    return std::nullopt;
  }
  return Point{static_cast<std::int32_t>(*px), static_cast<std::int32_t>(*py)};
}

}  // namespace

std::optional<FaceRect> faceRect(const World& world, float i, float j) {
  const float m = world.N / 2.0f;
  const float d = j - world.Y;
  // Mended: the viewer's own row would divide by zero; such a face is not painted.
  if (d == 0.0f) {
    return std::nullopt;
  }
  const float s = m / d;
  const float x1 = ((1.0f + ((i - world.X) / d)) * m) - s;
  const float y1 = (m - s) + (static_cast<float>(world.h) * s);
  const float w = 2.0f * s;
  return FaceRect{x1, y1, w};
}

std::optional<std::array<Point, 4>> sideWallPoints(const World& world, float i, float j) {
  const float m = world.N / 2.0f;
  const float dx = i - world.X;
  const float d = j - world.Y;
  const auto h = static_cast<float>(world.h);
  // Mended: these three places would divide by zero (d, d + 1 or d - 1); they are skipped.
  if (d == 0.0f || d == -1.0f || (d == 1.0f && dx == 0.0f)) {
    return std::nullopt;
  }
  const float xf = m * (dx / (d + 1.0f) + 1.0f);
  const float xm = m * (dx / d + 1.0f);
  const float sf = m * (1.0f / (d + 1.0f));
  const float sm = m * (1.0f / d);

  float nearX = 0;
  float nearHalf = 0;
  if (0.0f < xm && xm < world.N) {
    // The centre is inside the view: the whole piece, from its near end at depth d - 1.
    nearHalf = m * (1.0f / (d - 1.0f));
    nearX = m * (dx / (d - 1.0f) + 1.0f);
  } else if (xm == 0.0f || xm == world.N) {
    // The centre is on the view's edge: only the far half, from the centre.
    nearHalf = sm;
    nearX = xm;
  } else {
    return std::array<Point, 4>{};
  }
  const auto p1 = screenPoint(nearX, (m - nearHalf) + nearHalf * h);
  const auto p2 = screenPoint(nearX, (m + nearHalf) + nearHalf * h);
  const auto p3 = screenPoint(xf, (m + sf) + sf * h);
  const auto p4 = screenPoint(xf, (m - sf) + sf * h);
  if (!p1 || !p2 || !p3 || !p4) {
    return std::nullopt;
  }
  return std::array<Point, 4>{*p1, *p2, *p3, *p4};
}

}  // namespace quib
