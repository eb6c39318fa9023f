// The canvas: clipped drawing by pixel centres, rounding, and fitting into a window.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "canvas/fit.hpp"
#include "canvas/front_to_back.hpp"
#include "canvas/picture_changes.hpp"
#include "canvas/polygon_spans.hpp"
#include "canvas/raster.hpp"
#include "canvas/spans.hpp"

namespace quib {

void PrintTo(const Rect& rect, std::ostream* out) {
  *out << "(" << rect.x << ", " << rect.y << ", " << rect.w << " x " << rect.h << ")";
}

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
    // Kept row by row for painting front to back: the same pixels, and the shapes of no area
    // here (upright, or a point) known to cover nothing before a row is worked out.
    PolygonSpans spans(c.points, Size{10, 10});
    EXPECT_EQ(spans.empty(), c.filled == 0) << c.what;
    int kept = 0;
    for (int y = spans.row0; !spans.empty() && y < spans.row1; ++y) {
      for (const auto& [a, b] : spans.runs(y)) {
        kept += b - a;
      }
    }
    EXPECT_EQ(kept, c.filled) << c.what;
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

TEST(Fit, AScaleIsClampedToTheLargestWholeFactorThatFits) {
  const Size game{840, 553};
  const struct {
    const char* what;
    int asked;
    Size client;
    Size room;
    int scale;
  } cases[] = {
      {"full HD: 2x is 26 rows too high", 2, game, {1920, 1080}, 1},
      {"full HD, 8x asked", 8, game, {1920, 1080}, 1},
      {"1920 x 1200: 2x fits with a row to spare", 2, game, {1920, 1200}, 2},
      {"1920 x 1200 less a 40-pixel panel", 2, game, {1920, 1160}, 2},
      {"1920 x 1200 less a panel and a title bar", 2, game, {1920, 1100}, 1},
      {"4K: 4x is 52 rows too high", 4, game, {3840, 2160}, 3},
      {"4K: never more than asked", 2, game, {3840, 2160}, 2},
      {"5K, 8x asked", 8, game, {5120, 2880}, 5},
      {"a small level's larger plan on 4K", 3, {1328, 802}, {3840, 2160}, 2},
      {"a screen smaller than 1x", 1, game, {800, 600}, 1},
      {"a screen smaller than 1x, 3x asked", 3, game, {800, 600}, 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fittingScale(c.asked, c.client, c.room), c.scale) << c.what;
  }
}

TEST(Fit, AWindowThatWouldRunOffTheScreenMovesOntoIt) {
  const struct {
    const char* what;
    Point wanted;
    Size size;
    Rect room;
    Point at;
  } cases[] = {
      {"1x on full HD", {198, 93}, {840, 553}, {0, 0, 1920, 1080}, {198, 93}},
      {"2x on 1920 x 1200", {198, 93}, {1680, 1106}, {0, 0, 1920, 1200}, {198, 93}},
      {"2x above a panel", {198, 93}, {1680, 1106}, {0, 0, 1920, 1160}, {198, 54}},
      {"too far right", {1500, 93}, {840, 553}, {0, 0, 1920, 1080}, {1080, 93}},
      {"beside a panel on the left", {0, 0}, {840, 553}, {64, 27, 1856, 1053}, {64, 27}},
      {"higher than the screen: its top stays on it",
       {198, 93},
       {1680, 1106},
       {0, 0, 1920, 1080},
       {198, 0}},
      {"a second screen's room", {198, 93}, {840, 553}, {1920, 0, 1920, 1080}, {1920, 93}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(placeWithin(c.wanted, c.size, c.room), c.at) << c.what;
  }
}

TEST(Fit, APartScaledIsThatPartOfTheWholeScaled) {
  Image picture(7, 5);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 7; ++x) {
      picture.set(x, y, rgb(static_cast<std::uint8_t>(x * 30), static_cast<std::uint8_t>(y), 1));
    }
  }
  for (const int factor : {1, 2, 3, 4, 5}) {
    Image whole(7 * factor + 3, 5 * factor + 2);
    paintFitted(whole, picture, kRed);
    const Rect place = fitPicture(7, 5, whole.width(), whole.height());
    Image parts(whole.width(), whole.height(), kRed);
    const Rect painted = paintScaled(BorrowedPixels::of(parts), picture, place, {2, 1, 3, 2});
    EXPECT_EQ(painted, (Rect{place.x + 2 * factor, place.y + factor, 3 * factor, 2 * factor}))
        << factor << "x";
    paintScaled(BorrowedPixels::of(parts), picture, place,
                {-4, -4, 100, 100});  // clipped: the rest
    EXPECT_EQ(parts, whole) << factor << "x: the parts make the whole";
  }
}

TEST(PictureChanges, CopiedWithTheSquaresThatChanged) {
  const Rect all{0, 0, 100, 60};
  const struct {
    const char* what;
    std::vector<Point> differing;  // in the kept picture's pixels
    Point at;                      // where the newer picture lies in it
    Rect region;
    std::vector<Rect> changed;
  } cases[] = {
      {"nothing differs", {}, {0, 0}, all, {}},
      {"one pixel: its square", {{20, 40}}, {0, 0}, all, {{16, 32, 16, 16}}},
      {"a band takes its first to last square", {{1, 1}, {90, 5}}, {0, 0}, all, {{0, 0, 96, 16}}},
      {"bands under each other with the same columns join",
       {{20, 3}, {20, 20}, {20, 40}},
       {0, 0},
       all,
       {{16, 0, 16, 48}}},
      {"bands with other columns stay apart",
       {{20, 3}, {40, 20}},
       {0, 0},
       all,
       {{16, 0, 16, 16}, {32, 16, 16, 16}}},
      {"the picture's last band and column are short", {{99, 59}}, {0, 0}, all, {{96, 48, 4, 12}}},
      {"only inside the region", {{20, 40}, {70, 10}}, {0, 0}, {50, 0, 50, 30}, {{64, 0, 16, 16}}},
      {"a newer picture lying elsewhere", {{20, 40}}, {16, 16}, all, {{16, 32, 16, 16}}},
      {"outside the newer picture nothing is copied", {{5, 5}}, {16, 16}, all, {}},
      {"a narrow region between squares' edges, alike", {}, {0, 0}, {20, 0, 10, 60}, {}},
      {"a narrow region, changed: its own columns",
       {{25, 50}},
       {0, 0},
       {20, 0, 10, 60},
       {{20, 48, 10, 12}}},
  };
  for (const auto& c : cases) {
    Image kept(all.w, all.h, rgb(1, 2, 3));
    Image newer(all.w - c.at.x, all.h - c.at.y, rgb(1, 2, 3));
    for (const Point& p : c.differing) {
      if (p.x >= c.at.x && p.y >= c.at.y) {
        newer.set(p.x - c.at.x, p.y - c.at.y, kRed);
      }
    }
    std::vector<Rect> changed{{1, 1, 1, 1}};  // noted before: kept
    copyChanges(kept, newer, c.at, c.region, changed);
    std::vector<Rect> expected{{1, 1, 1, 1}};
    expected.insert(expected.end(), c.changed.begin(), c.changed.end());
    EXPECT_EQ(changed, expected) << c.what;
    int copies = 0;
    for (const Point& p : c.differing) {
      const bool copied = c.region.contains(p.x, p.y) && p.x >= c.at.x && p.y >= c.at.y;
      EXPECT_EQ(kept.at(p.x, p.y), copied ? kRed : rgb(1, 2, 3)) << c.what << " at " << p.x;
      copies += copied ? 1 : 0;
    }
    EXPECT_EQ(count(kept, kRed), copies) << c.what << ": nothing else changed";
  }
}

TEST(PictureChanges, ARectangleLessAHole) {
  const Rect rect{0, 0, 100, 50};
  const struct {
    const char* what;
    Rect hole;
    std::vector<Rect> parts;
  } cases[] = {
      {"apart", {200, 0, 10, 10}, {rect}},
      {"inside: four around it",
       {10, 20, 30, 10},
       {{0, 0, 100, 20}, {0, 20, 10, 10}, {40, 20, 60, 10}, {0, 30, 100, 20}}},
      {"over it all", {-5, -5, 200, 200}, {}},
      {"over its left half", {-5, -5, 55, 100}, {{50, 0, 50, 50}}},
      {"the view in the game window", {16, 16, 521, 521}, {{0, 0, 100, 16}, {0, 16, 16, 34}}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(outside(rect, c.hole), c.parts) << c.what;
  }
  EXPECT_TRUE(outside({}, {0, 0, 5, 5}).empty()) << "an empty rectangle has no parts";
}

TEST(Spans, PixelCentresWithoutTheMathsLibrary) {
  // The frame's hot paths round by hand; they must agree with floor and ceil everywhere.
  std::mt19937 random(5);
  std::uniform_real_distribution<double> any(-2000.0, 2000.0);
  for (int k = 0; k < 200000; ++k) {
    const double from = k % 3 == 0 ? std::round(any(random)) + 0.5 : any(random);
    const double to = from + std::abs(any(random)) / (k % 7 + 1);
    const int size = k % 2 == 0 ? 521 : 840;
    const auto expected = std::pair<int, int>{
        static_cast<int>(std::clamp(std::ceil(from - 0.5), 0.0, static_cast<double>(size))),
        static_cast<int>(std::clamp(std::ceil(to - 0.5), 0.0, static_cast<double>(size)))};
    ASSERT_EQ(coveredPixels(from, to, size), expected) << from << " to " << to;
    const int pixel = static_cast<int>(random() % 600);
    const double extent = std::abs(to - from) + 0.25;
    const int sourceSize = static_cast<int>(random() % 70) + 1;
    const double at = std::floor((pixel + 0.5 - from) / extent * sourceSize);
    ASSERT_EQ(StretchMap::sourceIndex(pixel, from, extent, sourceSize),
              static_cast<int>(std::clamp(at, 0.0, static_cast<double>(sourceSize - 1))))
        << "pixel " << pixel << " from " << from << " over " << extent << " of " << sourceSize;
  }
}

TEST(FrontToBack, EachPixelKeepsTheFirstPaintThatReachesIt) {
  // Random runs claimed on rows of several words: the pixels painted are exactly those no
  // earlier run took, and the tests of rows and of what is free agree with a plain record.
  constexpr int kWidth = 200;  // four words, the last one part used
  constexpr int kHeight = 3;
  std::mt19937 random(11);
  RowCoverage coverage;
  for (int round = 0; round < 300; ++round) {
    coverage.reset(kWidth, kHeight);
    std::vector<std::vector<int>> owner(kHeight, std::vector<int>(kWidth, -1));
    for (int run = 0; run < 40; ++run) {
      const int y = static_cast<int>(random() % kHeight);
      const int a = static_cast<int>(random() % kWidth);
      const int b = std::min(kWidth, a + static_cast<int>(random() % (run % 4 == 0 ? 200 : 70)));
      std::vector<int> painted(kWidth, -1);
      int lastEnd = -1;
      coverage.claim(y, a, b, [&](int from, int to) {
        ASSERT_GT(from, lastEnd) << "runs that meet are handed on as one";
        lastEnd = to;
        for (int x = from; x < to; ++x) {
          ASSERT_EQ(painted[static_cast<std::size_t>(x)], -1) << "painted twice";
          painted[static_cast<std::size_t>(x)] = run;
        }
      });
      std::vector<int>& row = owner[static_cast<std::size_t>(y)];
      for (int x = 0; x < kWidth; ++x) {
        const bool free = row[static_cast<std::size_t>(x)] == -1 && x >= a && x < b;
        ASSERT_EQ(painted[static_cast<std::size_t>(x)] == run, free)
            << "round " << round << ", run " << run << " [" << a << ", " << b << "), x " << x;
        if (free) {
          row[static_cast<std::size_t>(x)] = run;
        }
      }
      const int x0 = static_cast<int>(random() % kWidth);
      const int x1 = std::min(kWidth, x0 + 1 + static_cast<int>(random() % 90));
      bool covered = true;
      for (const std::vector<int>& r : owner) {
        covered =
            covered && std::all_of(r.begin() + x0, r.begin() + x1, [](int o) { return o >= 0; });
      }
      ASSERT_EQ(coverage.covered(x0, x1, 0, kHeight), covered) << "[" << x0 << ", " << x1 << ")";
    }
    std::vector<std::vector<bool>> free(kHeight, std::vector<bool>(kWidth, false));
    coverage.forEachFree([&](int y, int from, int to) {
      for (int x = from; x < to; ++x) {
        free[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = true;
      }
    });
    bool full = true;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        const bool unpainted =
            owner[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == -1;
        ASSERT_EQ(free[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)], unpainted)
            << "round " << round << " at " << x << "," << y;
        full = full && !unpainted;
      }
    }
    EXPECT_EQ(coverage.full(), full) << "round " << round;
  }
}

TEST(FrontToBack, PicturesAndPolygonsGiveThePaintersOrderPixels) {
  // Pictures that mostly share their rows, as the faces of a grid row do, lying left, right,
  // inside, around and apart from those before, with polygons between: painted front to
  // back, then the backdrop, they give what the paints in the other order give.
  constexpr int kWidth = 150;
  constexpr int kHeight = 40;
  std::mt19937 random(7);
  const auto pick = [&](int n) { return static_cast<float>(random() % static_cast<unsigned>(n)); };
  Image backdrop(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      backdrop.set(x, y, rgb(1, static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y)));
    }
  }
  std::vector<Image> pictures;
  for (int k = 0; k < 8; ++k) {
    Image picture(k + 1, 3);
    for (int x = 0; x <= k; ++x) {
      for (int y = 0; y < 3; ++y) {
        picture.set(x, y,
                    rgb(2, static_cast<std::uint8_t>(k * 8 + x), static_cast<std::uint8_t>(y)));
      }
    }
    pictures.push_back(picture);
  }
  RowCoverage coverage;
  for (int round = 0; round < 200; ++round) {
    struct Paint {
      const Image* picture;  // none for a polygon
      float x, y, w;
      std::array<Point, 4> points;
    };
    std::vector<Paint> paints;
    const float bandY = pick(kHeight) - 5.0f;
    const float bandW = pick(30) + 0.5f;
    for (int k = 0; k < 12; ++k) {
      if (random() % 4 == 0) {
        const auto at = [&] {
          return Point{static_cast<int>(pick(kWidth + 20)) - 10,
                       static_cast<int>(pick(kHeight + 10)) - 5};
        };
        paints.push_back({nullptr, 0, 0, 0, {at(), at(), at(), at()}});
        continue;
      }
      const bool sameRows = random() % 5 != 0;
      paints.push_back({&pictures[random() % pictures.size()],
                        pick(kWidth + 40) - 20.25f,
                        sameRows ? bandY : pick(kHeight) - 5.0f,
                        sameRows ? bandW : pick(30) + 0.5f,
                        {}});
    }
    Image fast(kWidth, kHeight);
    FrontToBack painter(fast, coverage);
    for (const Paint& paint : paints) {
      if (paint.picture != nullptr) {
        StretchedPicture stretched(*paint.picture, paint.x, paint.y, paint.w, paint.w,
                                   Size{kWidth, kHeight});
        painter.paint(stretched, stretched.map().x0, stretched.map().x1);
      } else {
        PolygonSpans spans(paint.points, Size{kWidth, kHeight});
        painter.fill(spans, kRed);
      }
    }
    painter.finish(backdrop);
    Image reference = backdrop;
    for (auto paint = paints.rbegin(); paint != paints.rend(); ++paint) {
      if (paint->picture != nullptr) {
        stretchPaint(reference, *paint->picture, paint->x, paint->y, paint->w, paint->w);
      } else {
        fillPolygon(reference, paint->points, kRed);
      }
    }
    ASSERT_TRUE(fast == reference) << "round " << round;
  }
}

TEST(Raster, LevelAndUprightLinesAreTheWalksPixels) {
  for (const auto& [x1, y1, x2, y2] : {std::array<float, 4>{2.5f, 3.0f, -4.0f, 3.0f},
                                       {7.4f, 9.6f, 7.4f, -1.5f},
                                       {3.0f, 3.0f, 3.0f, 3.0f}}) {
    Image image(8, 8);
    drawLine(image, x1, y1, x2, y2, kRed);
    const int ax = static_cast<int>(std::nearbyint(x1));
    const int bx = static_cast<int>(std::nearbyint(x2));
    const int ay = static_cast<int>(std::nearbyint(y1));
    const int by = static_cast<int>(std::nearbyint(y2));
    for (int y = 0; y < 8; ++y) {
      for (int x = 0; x < 8; ++x) {
        const bool on = x >= std::min(ax, bx) && x <= std::max(ax, bx) && y >= std::min(ay, by) &&
                        y <= std::max(ay, by);
        EXPECT_EQ(image.at(x, y) == kRed, on)
            << x1 << "," << y1 << " to " << x2 << "," << y2 << " at " << x << "," << y;
      }
    }
  }
}

}  // namespace
}  // namespace quib
