// The canvas: clipped drawing by pixel centres, rounding, and fitting into a window.
#include <gtest/gtest.h>

#include <cmath>

#include "canvas/fit.hpp"
#include "canvas/raster.hpp"

namespace quib {
namespace {

constexpr Rgb kRed = rgb(250, 0, 0);

int count(const Image& image, Rgb colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      n += image.at(x, y) == colour ? 1 : 0;
    }
  }
  return n;
}

TEST(Raster, PolygonsFillByPixelCentresAndClip) {
  const struct {
    const char* what;
    std::array<Point, 4> points;
    int filled;
  } cases[] = {
      {"square", {{{2, 2}, {2, 6}, {6, 6}, {6, 2}}}, 16},
      {"no area", {{{5, 1}, {5, 9}, {5, 8}, {5, 2}}}, 0},
      {"all at the origin", {}, 0},
      // A side wall near the viewer reaches far past the surface: only the surface is filled.
      {"far beyond the surface",
       {{{-26000, -26000}, {-26000, 26000}, {26000, 26000}, {26000, -26000}}},
       100},
  };
  for (const auto& c : cases) {
    Image image(10, 10);
    fillPolygon(image, c.points, kRed);
    EXPECT_EQ(count(image, kRed), c.filled) << c.what;
  }
}

TEST(Raster, StretchCoversPixelCentresInsideTheRectangle) {
  Image source(2, 1);
  source.set(0, 0, rgb(1, 1, 1));
  source.set(1, 0, rgb(2, 2, 2));
  Image target(10, 4);
  stretchPaint(target, source, 1.5f, 0.0f, 6.0f, 2.0f);
  // Centres 1.5 to 6.5 lie in [1.5, 7.5): three pixels for each source pixel.
  const Rgb row[10] = {
      0, rgb(1, 1, 1), rgb(1, 1, 1), rgb(1, 1, 1), rgb(2, 2, 2), rgb(2, 2, 2), rgb(2, 2, 2), 0, 0,
      0};
  for (int x = 0; x < 10; ++x) {
    EXPECT_EQ(target.at(x, 1), row[x]) << "x=" << x;
  }
  EXPECT_EQ(target.at(4, 2), 0u);
  stretchPaint(target, source, -1e30f, -1e30f, 2e30f, 2e30f);  // clipped, no overflow
  EXPECT_EQ(count(target, rgb(1, 1, 1)) + count(target, rgb(2, 2, 2)), 40);
}

TEST(Raster, LinesAndBoxesIncludeBothEnds) {
  Image image(8, 8);
  drawLine(image, 1.4f, 2.0f, 5.5f, 2.0f, kRed);  // ends round to 1 and 6 (half to even)
  EXPECT_EQ(count(image, kRed), 6);
  EXPECT_EQ(image.at(1, 2), kRed);
  EXPECT_EQ(image.at(6, 2), kRed);
  drawLine(image, -100.0f, -100.0f, 100.0f, 100.0f, rgb(1, 1, 1));  // the diagonal, clipped
  EXPECT_EQ(count(image, rgb(1, 1, 1)), 8);
  Image boxes(8, 8);
  outlineBox(boxes, 1, 1, 4, 4, kRed);
  EXPECT_EQ(count(boxes, kRed), 12);
  fillBox(boxes, 6, 6, 20, 20, rgb(2, 2, 2));
  EXPECT_EQ(count(boxes, rgb(2, 2, 2)), 4);
}

TEST(Raster, RoundingIsHalfToEvenWithinRange) {
  EXPECT_EQ(roundToInt(266.5f, 0, 1000), 266);
  EXPECT_EQ(roundToInt(267.5f, 0, 1000), 268);
  EXPECT_EQ(roundToInt(-0.5f, -5, 5), 0);
  EXPECT_FALSE(roundToInt(1e10f, 0, 1000).has_value());
  EXPECT_FALSE(roundToInt(std::nanf(""), 0, 1000).has_value());
}

TEST(Fit, WholeFactorsCentredAndShrinkingKeepsTheAspect) {
  const struct {
    const char* what;
    int windowWidth, windowHeight;
    Rect place;
  } cases[] = {
      {"1x", 840, 553, {0, 0, 840, 553}},
      {"2x exactly", 1680, 1106, {0, 0, 1680, 1106}},
      {"full HD: 1x fits, 2x does not", 1920, 1080, {540, 263, 840, 553}},
      {"1440p: 2x, centred", 2560, 1440, {440, 167, 1680, 1106}},
      {"4K: 3x", 3840, 2160, {660, 250, 2520, 1659}},
      {"too narrow", 420, 600, {0, 162, 420, 276}},
      {"too low", 1000, 100, {424, 0, 151, 100}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fitPicture(840, 553, c.windowWidth, c.windowHeight), c.place) << c.what;
  }
  EXPECT_EQ(fitPicture(840, 553, 0, 0), Rect{}) << "a window of no size";
}

TEST(Fit, ScaledPixelsAreCrispSquares) {
  Image picture(3, 2);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) {
      picture.set(x, y, rgb(static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 9));
    }
  }
  Image window(8, 5);
  paintFitted(window, picture, kRed);  // 2x at (1, 0)
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 8; ++x) {
      const bool inside = x >= 1 && x < 7 && y < 4;
      EXPECT_EQ(window.at(x, y), inside ? picture.at((x - 1) / 2, y / 2) : kRed) << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace quib
