// The level file: reading order, value syntax, and every way a file can be bad.
#include "world/level_file.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <string>

namespace quib {
namespace {

class LevelFileTest : public ::testing::Test {
 protected:
  std::string write(const std::string& text) {
    std::ofstream(path_, std::ios::binary) << text;
    return path_;
  }
  LevelRead read(const std::string& text) { return readLevel(write(text), *labmap_); }

  std::string path_ = (std::filesystem::temp_directory_path() /
                       ("quib_level_" + std::to_string(getpid()) + "_" +
                        ::testing::UnitTest::GetInstance()->current_test_info()->name()))
                          .string();
  std::unique_ptr<Labmap> labmap_ = std::make_unique<Labmap>();

  void TearDown() override { std::filesystem::remove(path_); }
};

TEST_F(LevelFileTest, ValuesFillColumnsThenRowsThenLayers) {
  // n = 2: position p >= 2 belongs to i = (p-2) div 6, j = ((p-2) div 2) mod 3, k = (p-2) mod 2.
  std::string text = "2";
  for (int p = 2; p <= 19; ++p) {
    text += "," + std::to_string(100 + p);
  }
  const LevelRead level = read(text);
  ASSERT_TRUE(level.ok()) << level.error;
  EXPECT_EQ(level.n, 2);
  for (int p = 2; p <= 19; ++p) {
    const int i = (p - 2) / 6;
    const int j = ((p - 2) / 2) % 3;
    const int k = (p - 2) % 2;
    EXPECT_EQ((*labmap_)(i, j, k), 100 + p) << "position " << p;
  }
  EXPECT_EQ((*labmap_)(3, 0, 0), 0) << "points above n stay empty";
}

TEST_F(LevelFileTest, LayoutOfValuesDoesNotMatter) {
  const struct {
    const char* name;
    const char* text;
  } cases[] = {
      {"one line", "1,5,6,7,8,9,10,11,12"},
      {"one value a line", "1\n5\n6\n7\n8\n9\n10\n11\n12\n"},
      {"CRLF and blanks", " 1 \r\n\t5 , 6,7,8\r\n9,10,11,12\r\n"},
      {"empty lines and trailing commas", "\n1,\n\n5,6,7,8,\n9,10,11,12,\n"},
      {"extra values and junk after them", "1,5,6,7,8,9,10,11,12,13,junk"},
      {"byte-order mark",
       "\xef\xbb\xbf"
       "1,5,6,7,8,9,10,11,12"},
  };
  for (const auto& c : cases) {
    const LevelRead level = read(c.text);
    ASSERT_TRUE(level.ok()) << c.name << ": " << level.error;
    EXPECT_EQ(level.n, 1) << c.name;
    EXPECT_EQ((*labmap_)(0, 0, 0), 5) << c.name;
    EXPECT_EQ((*labmap_)(0, 1, 1), 8) << c.name;
    EXPECT_EQ((*labmap_)(1, 1, 1), 12) << c.name;
  }
}

TEST_F(LevelFileTest, EmptyFieldsAndSignedValues) {
  const LevelRead level = read("0,,-2147483648\n");
  ASSERT_TRUE(level.ok()) << level.error;
  EXPECT_EQ((*labmap_)(0, 0, 0), 0) << "an empty field between commas is 0";
  EXPECT_EQ((*labmap_)(0, 0, 1), -2147483648);
}

TEST_F(LevelFileTest, ExtremeExtents) {
  ASSERT_TRUE(read("0,3,4").ok());
  EXPECT_EQ((*labmap_)(0, 0, 0), 3);
  EXPECT_EQ((*labmap_)(0, 0, 1), 4);

  std::string full = "100";
  for (int v = 0; v < 2 * 101 * 101; ++v) {
    full += "," + std::to_string(v % 9);
  }
  const LevelRead level = read(full);
  ASSERT_TRUE(level.ok()) << level.error;
  EXPECT_EQ((*labmap_)(100, 100, 1), (2 * 101 * 101 - 1) % 9);

  *labmap_ = Labmap();
  const LevelRead negative = read("-3\nnot looked at");
  ASSERT_TRUE(negative.ok()) << negative.error;
  EXPECT_EQ(negative.n, -3);
  EXPECT_EQ(*labmap_, Labmap()) << "a negative extent reads no codes";
}

TEST_F(LevelFileTest, BadFilesFailWithOneLineAndLeaveTheGridAlone) {
  const std::string p = path_;
  const std::string kCommas = "values are separated by commas or line ends";
  const std::string kDrawing =
      "this looks like a drawing: turn it into a level with quib-level draw";
  const struct {
    const char* text;
    std::string error;
  } cases[] = {
      {"", "level file " + p + " ends early: it holds no values, not even the extent"},
      {"1,2,3", "level file " + p + " ends early: read 3 of 9 values"},
      {"101,1,1", "level file " + p + ": extent 101 is above 100"},
      {"1,2,x3,4", p + ":1:5: \"x3\" is not a whole number"},
      {"1,2\n 3.5", p + ":2:2: \"3.5\" is not a whole number"},
      {"1\n2 3", p + ":2:1: \"2 3\" is not a whole number: " + kCommas},
      {"1 0 0 0 0", p + ":1:1: \"1 0 0 0 0\" is not a whole number: " + kCommas},
      {"3\n1 0 0 0 0 0 0 0 1 0 0 0 0 0 0 0 0",
       p +
           ":2:1: \"1 0 0 0 0 0 0 0 1 0 0 0 ...\" is longer than any value (more than 32 "
           "characters): " +
           kCommas},
      {"1,2 x", p + ":1:3: \"2 x\" is not a whole number"},
      {"# my level\n#...\n..#.\n", p + ":1:1: \"# my level\" is not a whole number: " + kDrawing},
      {"    0\n  1 #...\n    ..#.\n    0\n",
       p + ":2:3: \"1 #...\" is not a whole number: " + kDrawing},
      {"    0         5\n  5 ............\n",
       p + ":1:5: \"0         5\" is not a whole number: " + kDrawing},
      {"\xef\xbb\xbf.#.#\n.#.#\n", p + ":1:1: \".#.#\" is not a whole number: " + kDrawing},
      {"1,#,0", p + ":1:3: \"#\" is not a whole number"},
      {"1,-,3", p + ":1:3: \"-\" is not a whole number"},
      {"1,+3", p + ":1:3: \"+3\" is not a whole number"},
      {"1,2147483648", p + ":1:3: \"2147483648\" does not fit a 32-bit integer"},
      {"99999999999999999999", p + ":1:1: \"99999999999999999999\" does not fit a 32-bit integer"},
      {"1,\"7\"", p + ":1:3: \"\\\"7\\\"\" is not a whole number"},
      {"1,2\\3", p + ":1:3: \"2\\\\3\" is not a whole number"},
      {"1\r2", p + ":1:1: \"1\\x0d2\" is not a whole number"},
  };
  for (const auto& c : cases) {
    (*labmap_)(0, 0, 0) = 42;
    const LevelRead level = read(c.text);
    EXPECT_EQ(level.error, c.error) << "file text: " << c.text;
    EXPECT_EQ((*labmap_)(0, 0, 0), 42) << "nothing stored from: " << c.text;
  }
}

TEST_F(LevelFileTest, OnlyRegularFilesAreRead) {
  EXPECT_EQ(readLevel("/nonexistent/level0.dat", *labmap_).error,
            "cannot open level file /nonexistent/level0.dat: No such file or directory");
  const std::string folder = std::filesystem::temp_directory_path().string();
  EXPECT_EQ(readLevel(folder, *labmap_).error,
            "cannot open level file " + folder + ": Is a directory");
  // Neither waits for a writer nor reads forever.
  const std::string fifo = path_ + ".fifo";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(readLevel(fifo, *labmap_).error,
            "cannot open level file " + fifo + ": a FIFO, not a regular file");
  std::filesystem::remove(fifo);
  EXPECT_EQ(readLevel("/dev/zero", *labmap_).error,
            "cannot open level file /dev/zero: a character device, not a regular file");
}

TEST_F(LevelFileTest, NoFieldIsLongerThanAValueCanBe) {
  // Ten megabytes of digits: refused at the 33rd, not kept whole.
  std::string digits(10'000'000, '7');
  EXPECT_EQ(read("3,\n" + digits).error,
            path_ +
                ":2:1: \"777777777777777777777777...\" is longer than any value (more than 32 "
                "characters)");
  EXPECT_EQ(
      read(std::string(64, '\0')).error,
      path_ +
          ":1:1: \"\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00"
          "\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00...\" is longer than any value (more "
          "than 32 characters)");
  ASSERT_TRUE(
      read("1," + std::string(31, ' ') + "5" + std::string(100, ' ') + ",6,7,8,9,10,11,12").ok())
      << "blanks around a value do not count";
  EXPECT_EQ((*labmap_)(0, 0, 0), 5);
}

TEST_F(LevelFileTest, PathIsJoinedAsPlainText) {
  EXPECT_EQ(levelPath("/game/bin"), "/game/bin/../lab/firstwin.lab/level0.dat");
  EXPECT_EQ(levelPath("/"), "//../lab/firstwin.lab/level0.dat");
}

TEST_F(LevelFileTest, WrittenLevelsReadBackEqual) {
  std::mt19937 random(7);
  for (const int n : {0, 1, 2, 9, 22, 57, 100}) {
    auto written = std::make_unique<Labmap>();
    for (int i = 0; i <= n; ++i) {
      for (int j = 0; j <= n; ++j) {
        for (int k = 0; k <= 1; ++k) {
          // Mostly the game's codes, now and then any 32-bit value.
          (*written)(i, j, k) = random() % 4 == 0 ? static_cast<std::int32_t>(random())
                                                  : static_cast<std::int32_t>(random() % 9);
        }
      }
    }
    std::ostringstream text;
    writeLevel(text, *written, n);
    *labmap_ = Labmap();
    const LevelRead level = read(text.str());
    ASSERT_TRUE(level.ok()) << "extent " << n << ": " << level.error;
    EXPECT_EQ(level.n, n);
    EXPECT_EQ(*labmap_, *written) << "extent " << n;
  }
}

TEST_F(LevelFileTest, EarlierFuzzFindingsStayMended) {
  for (const auto& entry :
       std::filesystem::directory_iterator(QUIB_SOURCE_DIR "/tests/fuzz/regressions/levels")) {
    (*labmap_)(0, 0, 0) = 42;
    const LevelRead level = readLevel(entry.path().string(), *labmap_);
    if (level.ok()) {
      EXPECT_LE(level.n, kGridMax) << entry.path();
    } else {
      EXPECT_EQ((*labmap_)(0, 0, 0), 42) << entry.path() << ": " << level.error;
      EXPECT_EQ(level.error.find('\n'), std::string::npos) << entry.path();
    }
  }
}

TEST_F(LevelFileTest, RandomBytesNeverCrash) {
  std::mt19937 random(20261206);
  const std::string alphabet = "0123456789,,,\n\r -\t1x.";
  for (int round = 0; round < 400; ++round) {
    std::string text = std::to_string(random() % 4);
    const std::size_t length = random() % 80;
    for (std::size_t k = 0; k < length; ++k) {
      text +=
          round % 2 == 0 ? alphabet[random() % alphabet.size()] : static_cast<char>(random() % 256);
    }
    (*labmap_)(0, 0, 0) = 42;
    const LevelRead level = read(text);
    if (level.ok()) {
      EXPECT_LE(level.n, kGridMax) << "round " << round;
    } else {
      EXPECT_NE(level.error.find(path_), std::string::npos) << "names the file: " << level.error;
      EXPECT_EQ(level.error.find('\n'), std::string::npos) << "one line: " << level.error;
      EXPECT_EQ((*labmap_)(0, 0, 0), 42) << "the grid untouched: " << level.error;
    }
  }
}

}  // namespace
}  // namespace quib
