// Platform services: key translation, picture files and drive-letter paths.
#include <SDL.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/failure.hpp"
#include "platform/keys.hpp"
#include "platform/paths.hpp"
#include "platform/picture_file.hpp"

namespace quib {
namespace {

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
  const auto refusal = [](const std::string& path) -> std::string {
    try {
      loadPicture(path);
    } catch (const Failure& error) {
      return error.what();
    }
    return "loaded";
  };
  EXPECT_EQ(refusal(p), "cannot load picture " + p + ": No such file or directory");
  ASSERT_EQ(mkfifo(p.c_str(), 0600), 0);
  EXPECT_EQ(refusal(p), "cannot load picture " + p + ": a FIFO, not a regular file");
  EXPECT_EQ(refusal("/dev/zero"),
            "cannot load picture /dev/zero: a character device, not a regular file");
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
