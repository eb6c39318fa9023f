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

#include "formats/wav_bytes.hpp"

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

TEST_F(SoundTest, AnyClipEndsWithinItsLengthAndASecond) {
  const std::string clip = clipFile(wav::clip(7, 8000, 1, 8, 11440));  // 1.43 s
  for (const char* driver : {"disk", "dummy"}) {
    const auto took = playOn(driver, clip);
    EXPECT_GE(took, std::chrono::milliseconds(1430)) << driver << ": the whole clip";
    EXPECT_LE(took, std::chrono::milliseconds(2430)) << driver << ": its length and a second";
  }
}

TEST_F(SoundTest, OnlyTheFirstTenSecondsArePlayed) {
  // An hour of 8-bit sound at one sample a second: 3,600 bytes.
  const std::string clip = clipFile(wav::clip(1, 1, 1, 8, 3600));
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
      {"2,097,152 samples a second", wav::clip(1, 2097152, 1, 16, 2097152 / 4)},
      {"4,000,000 samples a second", wav::clip(1, 4000000, 2, 16, 1000000)},
      {"255 channels", wav::clip(1, 8000, 255, 8, 800)},
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

// Every sample layout the WAV reader gives opens a device as it is: all of it played, no note.
// An encoding it refuses gives the chime and a note saying why.
TEST_F(SoundTest, EveryEncodingReadPlaysWithoutANote) {
  const struct {
    const char* what;
    std::string wav;
    std::size_t heard;  // bytes at least, as the reader gives them
  } cases[] = {
      {"24-bit PCM", wav::clip(1, 8000, 2, 24, 800), 800 * 2 * 4},
      {"32-bit floats", wav::clip(3, 8000, 1, 32, 800), 800 * 4},
      {"A-law", wav::clip(6, 8000, 1, 8, 800), 800 * 2},
  };
  for (const auto& c : cases) {
    const std::string clip = clipFile(c.wav);
    fs::remove(played_);
    const std::vector<std::string> notes = notesOf("disk", clip);
    EXPECT_TRUE(notes.empty()) << c.what << ": " << (notes.empty() ? "" : notes.front());
    EXPECT_GE(playedBytes(), c.heard) << c.what;
  }
  const std::string adpcm = clipFile(wav::clip(2, 8000, 1, 4, 800));
  const std::vector<std::string> notes = notesOf("disk", adpcm);
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_EQ(notes[0], "quib: cannot play " + adpcm +
                          " (Microsoft ADPCM is no encoding the game plays); playing the built-in "
                          "chime");
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
  const std::string clip = clipFile(wav::clip(1, 8000, 1, 8, 5 * 8000));
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
