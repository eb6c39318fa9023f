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
      {SDLK_UP, 0, 38},
      {SDLK_DOWN, 0, 40},
      {SDLK_LEFT, 0, 37},
      {SDLK_RIGHT, 0, 39},
      {SDLK_ESCAPE, 0, 27},
      {SDLK_SPACE, 0, 32},
      {SDLK_a, 0, 65},
      {SDLK_z, KMOD_SHIFT, 90},
      {SDLK_5, 0, 53},
      {SDLK_UP, KMOD_CTRL, 38},
      {SDLK_F1, 0, 112},
      {SDLK_KP_8, KMOD_NUM, 104},
      {SDLK_KP_2, KMOD_NUM, 98},
      {SDLK_KP_4, KMOD_NUM, 100},
      {SDLK_KP_6, KMOD_NUM, 102},
      {SDLK_KP_8, 0, 38},
      {SDLK_KP_2, 0, 40},
      {SDLK_KP_4, 0, 37},
      {SDLK_KP_6, 0, 39},
      {SDLK_KP_0, KMOD_NUM, 96},
      {SDLK_KP_5, 0, 12},
      // Without a keypad: the letters send the keypad's codes, Num Lock on or off.
      {SDLK_q, 0, 100},
      {SDLK_e, 0, 102},
      {SDLK_r, 0, 104},
      {SDLK_f, 0, 98},
      {SDLK_q, KMOD_NUM, 100},
      {SDLK_f, KMOD_SHIFT, 98},
      {SDLK_w, 0, 87},
      {SDLK_d, 0, 68},
      {SDLK_F11, 0, 122},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(virtualKey(c.key, c.mod), std::optional<std::int16_t>(c.code))
        << SDL_GetKeyName(c.key) << " mod " << c.mod;
  }
  EXPECT_FALSE(virtualKey(SDLK_VOLUMEUP, 0).has_value());
}

TEST(Keys, FullScreenIsF11OrAltEnter) {
  const struct {
    SDL_Keycode key;
    std::uint16_t mod;
    bool toggles;
  } cases[] = {
      {SDLK_F11, 0, true},
      {SDLK_F11, KMOD_NUM, true},
      {SDLK_RETURN, KMOD_LALT, true},
      {SDLK_KP_ENTER, KMOD_RALT, true},
      {SDLK_RETURN, 0, false},
      {SDLK_RETURN, KMOD_CTRL, false},
      {SDLK_F10, 0, false},
      {SDLK_SPACE, KMOD_ALT, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(togglesFullScreen(c.key, c.mod), c.toggles)
        << SDL_GetKeyName(c.key) << " mod " << c.mod;
  }
}

TEST(Keys, KeypadWithNumLockOffSaysWhatTurnsInstead) {
  const struct {
    SDL_Keycode key;
    std::uint16_t mod;
    const char* hint;
  } cases[] = {
      {SDLK_KP_4, 0, "Num Lock is off: keypad 4 steps aside; Q and E turn"},
      {SDLK_KP_6, KMOD_SHIFT, "Num Lock is off: keypad 6 steps aside; Q and E turn"},
      {SDLK_KP_8, 0, "Num Lock is off: keypad 8 steps forward; R and F raise and lower the eye"},
      {SDLK_KP_2, 0, "Num Lock is off: keypad 2 steps back; R and F raise and lower the eye"},
      {SDLK_KP_4, KMOD_NUM, nullptr},
      {SDLK_KP_5, 0, nullptr},
      {SDLK_LEFT, 0, nullptr},
  };
  for (const auto& c : cases) {
    const auto hint = numLockOffHint(c.key, c.mod);
    if (c.hint == nullptr) {
      EXPECT_FALSE(hint.has_value()) << SDL_GetKeyName(c.key) << " mod " << c.mod;
    } else {
      EXPECT_EQ(hint, std::optional<std::string_view>(c.hint))
          << SDL_GetKeyName(c.key) << " mod " << c.mod;
    }
  }
}

TEST(Paths, DriveLetterPaths) {
  EXPECT_EQ(driveLetterPath("x:\\p3.bmp", "/game/x"), "/game/x/p3.bmp");
  EXPECT_EQ(driveLetterPath("X:\\sub\\wall.bmp", "/d"), "/d/sub/wall.bmp");
  EXPECT_THROW(driveLetterPath("c:\\p3.bmp", "/d"), Failure);
}

TEST(PictureFile, WrittenPicturesReadBackAndOnlyFilesAreRead) {
  const std::string p = (std::filesystem::temp_directory_path() /
                         ("quib_picture_" + std::to_string(getpid()) + ".bmp"))
                            .string();
  const auto refusal = [](const std::string& path) -> std::string {
    try {
      loadPicture(path);
    } catch (const Failure& error) {
      return error.what();
    }
    return "loaded";
  };
  Image picture(3, 2);
  picture.set(0, 0, rgb(1, 2, 3));
  picture.set(2, 1, rgb(0x10, 0x20, 0x30));
  saveBmp(picture, p);
  EXPECT_EQ(loadPicture(p), picture) << "rows padded, bottom row first, blue green red";
  std::ofstream(p, std::ios::binary) << "not a picture";
  EXPECT_EQ(refusal(p), "cannot load picture " + p + ": not a BMP picture");
  std::filesystem::remove(p);
  EXPECT_EQ(refusal(p), "cannot load picture " + p + ": No such file or directory");
  ASSERT_EQ(mkfifo(p.c_str(), 0600), 0);
  EXPECT_EQ(refusal(p), "cannot load picture " + p + ": a FIFO, not a regular file");
  std::filesystem::remove(p);
  EXPECT_EQ(refusal("/dev/zero"),
            "cannot load picture /dev/zero: a character device, not a regular file");
}

}  // namespace
}  // namespace quib
