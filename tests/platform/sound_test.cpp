// Sound to its end: the whole clip on SDL's disk driver, the stand-in chime, no device.
#include "platform/sound.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

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

// A WAV file of `seconds` of silence in µ-law at 8 kHz: a format SDL converts as it loads.
std::string muLawClip(double seconds) {
  constexpr int kRate = 8000;
  const auto samples = static_cast<std::uint32_t>(seconds * kRate);
  std::string wav;
  const auto put = [&](std::uint32_t value, int size) {
    for (int k = 0; k < size; ++k) {
      wav += static_cast<char>((value >> (8 * k)) & 0xffu);
    }
  };
  wav += "RIFF";
  put(4 + 26 + 12 + 8 + samples, 4);
  wav += "WAVEfmt ";
  put(18, 4);
  put(7, 2);  // µ-law
  put(1, 2);
  put(kRate, 4);
  put(kRate, 4);
  put(1, 2);
  put(8, 2);
  put(0, 2);
  wav += "fact";
  put(4, 4);
  put(samples, 4);
  wav += "data";
  put(samples, 4);
  wav += std::string(samples, '\xff');  // µ-law's silence
  return wav;
}

TEST_F(SoundTest, AnyClipEndsWithinItsLengthAndASecond) {
  const std::string clip = played_.string() + ".wav";
  std::ofstream(clip, std::ios::binary) << muLawClip(1.43);
  for (const char* driver : {"disk", "dummy"}) {
    const auto took = playOn(driver, clip);
    EXPECT_GE(took, std::chrono::milliseconds(1430)) << driver << ": the whole clip";
    EXPECT_LE(took, std::chrono::milliseconds(2430)) << driver << ": its length and a second";
  }
  fs::remove(clip);
}

TEST_F(SoundTest, OnlyRegularFilesArePlayed) {
  const std::string fifo = played_.string() + ".fifo";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const auto took = playOn("disk", fifo);
  EXPECT_GT(fs::file_size(played_), 10000u) << "the built-in chime instead";
  EXPECT_LT(took, std::chrono::milliseconds(2500)) << "no wait for a writer";
  fs::remove(fifo);
}

TEST_F(SoundTest, NoAudioDeviceGivesOneNote) {
  std::ifstream cards("/proc/asound/cards");
  std::string first;
  if (cards && std::getline(cards, first) && first.find("no soundcards") == std::string::npos) {
    GTEST_SKIP() << "this machine has a sound card";
  }
  // What the sound libraries would say goes nowhere; the game's own note stays.
  const fs::path said = played_.string() + ".stderr";
  std::fflush(stderr);
  const int saved = dup(STDERR_FILENO);
  const int file = open(said.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  dup2(file, STDERR_FILENO);
  close(file);
  const auto took = playOn("alsa", chime_);
  std::fflush(stderr);
  dup2(saved, STDERR_FILENO);
  close(saved);
  std::ifstream in(said);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    lines.push_back(line);
  }
  fs::remove(said);
  ASSERT_EQ(lines.size(), 1u) << (lines.empty() ? "nothing" : lines.front() + "...");
  EXPECT_EQ(lines[0].rfind("quib: no sound: ", 0), 0u) << lines[0];
  EXPECT_LT(took, std::chrono::milliseconds(1000)) << "no wait";
}

TEST_F(SoundTest, NoAudioDeviceMeansNoSoundAndNoWait) {
  EXPECT_LT(playOn("none-here", chime_), std::chrono::milliseconds(1000))
      << "less than the clip's length";
}

}  // namespace
}  // namespace quib
