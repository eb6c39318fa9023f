// Sound to its end: the whole clip on SDL's disk driver, the stand-in chime, no device.
#include "platform/sound.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace quib {
namespace fs = std::filesystem;
namespace {

class SoundTest : public ::testing::Test {
 protected:
  // Plays `file` on the given audio driver (the disk one writes to played_) and says how long
  // that took; the tests' own dummy driver is put back afterwards.
  std::chrono::milliseconds playOn(const char* driver, const std::string& file) {
    setenv("SDL_AUDIODRIVER", driver, 1);
    setenv("SDL_DISKAUDIOFILE", played_.c_str(), 1);
    const auto start = std::chrono::steady_clock::now();
    playSoundToEnd(file);
    const auto took = std::chrono::steady_clock::now() - start;
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    return std::chrono::duration_cast<std::chrono::milliseconds>(took);
  }
  void TearDown() override { fs::remove(played_); }

  const std::string chime_ = (fs::path(QUIB_BIN_DIR) / "game" / "bin" / "tada.wav").string();
  const fs::path played_ =
      fs::temp_directory_path() / ("quib_played_" + std::to_string(getpid()) + "_" +
                                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
};

TEST_F(SoundTest, TheWholeClipOnTheDiskDriver) {
  const auto took = playOn("disk", chime_);
  const auto clip = fs::file_size(chime_) - 44;
  // The device may play the clip converted; at least its length in time must have gone by.
  EXPECT_GE(fs::file_size(played_), clip) << "every sample reached the device";
  EXPECT_GE(took, std::chrono::milliseconds(1000)) << "the clip lasts 1.06 s";
  EXPECT_LT(took, std::chrono::milliseconds(3500)) << "its length and a second, with room";
}

TEST_F(SoundTest, MissingFilePlaysTheBuiltInChime) {
  playOn("disk", "no-such.wav");
  EXPECT_GT(fs::file_size(played_), 10000u);
}

TEST_F(SoundTest, NoAudioDeviceMeansNoSoundAndNoWait) {
  EXPECT_LT(playOn("none-here", chime_), std::chrono::milliseconds(1000))
      << "less than the clip's length";
}

}  // namespace
}  // namespace quib
