// Sound to its end: the whole clip on SDL's disk driver, the stand-in chime, no device, clips
// no device takes, and a close request meanwhile.
#include "platform/sound.hpp"

#include <SDL.h>
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
#include <thread>
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
  // Plays as playOn does and gives the lines written to stderr meanwhile.
  std::vector<std::string> notesOf(const char* driver, const std::string& file,
                                   std::chrono::milliseconds* took = nullptr) {
    const fs::path said = played_.string() + ".stderr";
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    const int out = open(said.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(out, STDERR_FILENO);
    close(out);
    const auto time = playOn(driver, file);
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    if (took != nullptr) {
      *took = time;
    }
    std::ifstream in(said);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
      lines.push_back(line);
    }
    fs::remove(said);
    return lines;
  }
  std::uintmax_t playedBytes() const { return fs::exists(played_) ? fs::file_size(played_) : 0; }
  // The WAV file's bytes in a file of the test's own, removed at its end.
  std::string clipFile(const std::string& wav) const {
    std::ofstream(clip_, std::ios::binary) << wav;
    return clip_.string();
  }
  void TearDown() override {
    fs::remove(played_);
    fs::remove(clip_);
  }

  const std::string chime_ = (fs::path(QUIB_BIN_DIR) / "game" / "bin" / "tada.wav").string();
  const fs::path played_ =
      fs::temp_directory_path() / ("quib_played_" + std::to_string(getpid()) + "_" +
                                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
  const fs::path clip_ = played_.string() + ".wav";
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

// A WAV file of `frames` frames of a saw tone, in PCM (tag 1, `bits` 8 or 16) or in µ-law
// (tag 7, 8 bits), which SDL converts as it loads.
std::string wavClip(std::uint32_t tag, std::uint32_t rate, std::uint32_t channels,
                    std::uint32_t bits, std::uint32_t frames) {
  const bool pcm = tag == 1;
  const std::uint32_t frameBytes = channels * bits / 8;
  std::string wav;
  const auto put = [&](std::uint32_t value, int size) {
    for (int k = 0; k < size; ++k) {
      wav += static_cast<char>((value >> (8 * k)) & 0xffu);
    }
  };
  wav += "RIFF";
  put((pcm ? 36 : 50) + frames * frameBytes, 4);
  wav += "WAVEfmt ";
  put(pcm ? 16 : 18, 4);
  put(tag, 2);
  put(channels, 2);
  put(rate, 4);
  put(rate * frameBytes, 4);
  put(frameBytes, 2);
  put(bits, 2);
  if (!pcm) {
    put(0, 2);  // no more format fields; then the frame count other formats than PCM carry
    wav += "fact";
    put(4, 4);
    put(frames, 4);
  }
  wav += "data";
  put(frames * frameBytes, 4);
  for (std::uint32_t k = 0; k < frames * frameBytes; ++k) {
    wav += static_cast<char>(k * 7 % 251);
  }
  return wav;
}

TEST_F(SoundTest, AnyClipEndsWithinItsLengthAndASecond) {
  const std::string clip = clipFile(wavClip(7, 8000, 1, 8, 11440));  // 1.43 s
  for (const char* driver : {"disk", "dummy"}) {
    const auto took = playOn(driver, clip);
    EXPECT_GE(took, std::chrono::milliseconds(1430)) << driver << ": the whole clip";
    EXPECT_LE(took, std::chrono::milliseconds(2430)) << driver << ": its length and a second";
  }
}

TEST_F(SoundTest, OnlyTheFirstTenSecondsArePlayed) {
  // An hour of 8-bit sound at one sample a second: 3,600 bytes.
  const std::string clip = clipFile(wavClip(1, 1, 1, 8, 3600));
  const auto took = playOn("disk", clip);
  EXPECT_GE(took, std::chrono::milliseconds(10000)) << "ten seconds of it";
  EXPECT_LE(took, std::chrono::milliseconds(11000)) << "ten seconds and a second at most";
}

// Clips no device takes as they are: each is played all the same, converted or replaced by
// the chime, and says so once, naming the file.
TEST_F(SoundTest, ClipsNoDeviceTakesGiveOneNoteAndPlay) {
  const struct {
    const char* what;
    std::string wav;
  } cases[] = {
      {"2,097,152 samples a second", wavClip(1, 2097152, 1, 16, 2097152 / 4)},
      {"4,000,000 samples a second", wavClip(1, 4000000, 2, 16, 1000000)},
      {"255 channels", wavClip(1, 8000, 255, 8, 800)},
  };
  for (const auto& c : cases) {
    const std::string clip = clipFile(c.wav);
    fs::remove(played_);
    const std::vector<std::string> notes = notesOf("disk", clip);
    EXPECT_EQ(notes.size(), 1u) << c.what << ": " << (notes.empty() ? "no note" : notes.front());
    if (!notes.empty()) {
      EXPECT_NE(notes[0].find(clip), std::string::npos) << c.what << ": " << notes[0];
    }
    EXPECT_GT(playedBytes(), 1000u) << c.what << ": something was heard";
  }
}

// What the test asks of the window system meanwhile: the session's end, a window closed.
SDL_Event closeRequest(bool window) {
  SDL_Event event{};
  event.type = window ? Uint32{SDL_WINDOWEVENT} : Uint32{SDL_QUIT};
  event.window.event = SDL_WINDOWEVENT_CLOSE;
  return event;
}

TEST_F(SoundTest, ClosingEndsTheWaitAtOnce) {
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_EVENTS), 0) << SDL_GetError();
  const std::string clip = clipFile(wavClip(1, 8000, 1, 8, 5 * 8000));
  for (const bool window : {false, true}) {
    std::thread closer([window] {
      std::this_thread::sleep_for(std::chrono::milliseconds(300));
      SDL_Event event = closeRequest(window);
      SDL_PushEvent(&event);
    });
    const auto took = playOn("disk", clip);
    closer.join();
    EXPECT_LT(took, std::chrono::milliseconds(1000))
        << (window ? "a window closed" : "the session's end") << " during a clip of 5 s";
  }
  SDL_QuitSubSystem(SDL_INIT_EVENTS);
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
  std::chrono::milliseconds took{};
  const std::vector<std::string> lines = notesOf("alsa", chime_, &took);
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
