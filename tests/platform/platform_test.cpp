// Platform services: clipped drawing, key translation, picture files and drive-letter paths.
#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/failure.hpp"
#include "platform/fit.hpp"
#include "platform/keys.hpp"
#include "platform/paths.hpp"
#include "platform/picture_file.hpp"
#include "platform/raster.hpp"

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

TEST(Keys, VirtualKeyCodes) {
  const struct {
    SDL_Keycode key;
    std::uint16_t mod;
    int code;
  } cases[] = {
      {SDLK_UP, 0, 38},          {SDLK_DOWN, 0, 40},         {SDLK_LEFT, 0, 37},
      {SDLK_RIGHT, 0, 39},       {SDLK_ESCAPE, 0, 27},       {SDLK_SPACE, 0, 32},
      {SDLK_a, 0, 65},           {SDLK_z, KMOD_SHIFT, 90},   {SDLK_5, 0, 53},
      {SDLK_UP, KMOD_CTRL, 38},  {SDLK_F1, 0, 112},          {SDLK_KP_8, KMOD_NUM, 104},
      {SDLK_KP_2, KMOD_NUM, 98}, {SDLK_KP_4, KMOD_NUM, 100}, {SDLK_KP_6, KMOD_NUM, 102},
      {SDLK_KP_8, 0, 38},        {SDLK_KP_2, 0, 40},         {SDLK_KP_4, 0, 37},
      {SDLK_KP_6, 0, 39},        {SDLK_KP_0, KMOD_NUM, 96},  {SDLK_KP_5, 0, 12},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(virtualKey(c.key, c.mod), std::optional<std::int16_t>(c.code))
        << SDL_GetKeyName(c.key) << " mod " << c.mod;
  }
  EXPECT_FALSE(virtualKey(SDLK_VOLUMEUP, 0).has_value());
}

TEST(Paths, DriveLetterPaths) {
  EXPECT_EQ(driveLetterPath("x:\\p3.bmp", "/game/x"), "/game/x/p3.bmp");
  EXPECT_EQ(driveLetterPath("X:\\sub\\wall.bmp", "/d"), "/d/sub/wall.bmp");
  EXPECT_THROW(driveLetterPath("c:\\p3.bmp", "/d"), Failure);
}

class PictureFileTest : public ::testing::Test {
 protected:
  std::string write(const std::string& bytes) {
    std::ofstream(path_, std::ios::binary) << bytes;
    return path_;
  }
  std::string failure(const std::string& bytes) {
    try {
      loadPicture(write(bytes));
    } catch (const Failure& error) {
      return error.what();
    }
    return "loaded";
  }
  void TearDown() override { std::filesystem::remove(path_); }

  std::string path_ = (std::filesystem::temp_directory_path() /
                       ("quib_picture_" + std::to_string(getpid()) + "_" +
                        ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".bmp"))
                          .string();
};

std::string bmpHeader(std::int32_t width, std::int32_t height) {
  std::string h(54, '\0');
  const auto put = [&](std::size_t at, std::uint32_t v) {
    for (int k = 0; k < 4; ++k) {
      h[at + static_cast<std::size_t>(k)] = static_cast<char>((v >> (8 * k)) & 0xff);
    }
  };
  h[0] = 'B';
  h[1] = 'M';
  put(10, 54);
  put(14, 40);
  put(18, static_cast<std::uint32_t>(width));
  put(22, static_cast<std::uint32_t>(height));
  h[26] = 1;
  h[28] = 24;
  return h;
}

TEST_F(PictureFileTest, BrokenPicturesAreRefusedByName) {
  const std::string p = path_;
  EXPECT_EQ(failure("not a picture"), "cannot load picture " + p + ": not a BMP picture");
  EXPECT_EQ(
      failure(bmpHeader(30000, 30000)),
      "cannot load picture " + p + ": picture is 30000 x 30000 pixels, larger than 4096 a side");
  EXPECT_EQ(failure(bmpHeader(4, 4) + std::string(10, '\0')),
            "cannot load picture " + p + ": file is too short for its 4 x 4 pixels");
  EXPECT_EQ(failure(bmpHeader(0, 4)), "cannot load picture " + p + ": picture has no pixels");
  EXPECT_EQ(failure(bmpHeader(2, -1) + std::string(8, '\x7f')), "loaded") << "top-down rows";
  std::filesystem::remove(p);
  try {
    loadPicture(p);
    FAIL() << "a missing picture loaded";
  } catch (const Failure& error) {
    EXPECT_EQ(std::string(error.what()),
              "cannot load picture " + p + ": No such file or directory");
  }
}

TEST_F(PictureFileTest, PixelsSurviveAWriteAndARead) {
  std::string bytes = bmpHeader(2, 1);
  bytes += std::string("\x03\x02\x01\x30\x20\x10\0\0", 8);  // B, G, R per pixel, row padded
  const Image image = loadPicture(write(bytes));
  ASSERT_EQ(image.width(), 2);
  EXPECT_EQ(image.at(0, 0), rgb(1, 2, 3));
  EXPECT_EQ(image.at(1, 0), rgb(0x10, 0x20, 0x30));
}

}  // namespace
}  // namespace quib
