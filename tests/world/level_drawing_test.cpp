// Levels as drawings: the layout, the way back to the same level, and every fault of a drawing.
#include "world/level_drawing.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <string>

#include "world/drawing_input.hpp"

namespace quib {
namespace {

TEST(LevelDrawing, FarRowOnTopTwoSymbolsAPointNumbersInTheMargins) {
  auto labmap = std::make_unique<Labmap>();
  (*labmap)(0, 0, 0) = 1;  // a wall across the view, at the near left corner
  (*labmap)(1, 0, 1) = 2;
  (*labmap)(5, 5, 0) = 7;
  (*labmap)(5, 5, 1) = 8;
  (*labmap)(2, 3, 0) = 3;
  (*labmap)(3, 2, 1) = 4;
  (*labmap)(4, 1, 0) = 5;
  (*labmap)(0, 4, 1) = 6;
  const Drawing drawing = drawLevel(*labmap, 5);
  ASSERT_TRUE(drawing.ok()) << drawing.error;
  EXPECT_EQ(drawing.text,
            "    0         5\n"
            "  5 ..........LG\n"
            "    .C..........\n"
            "    ....Y.......\n"
            "    .......B....\n"
            "    ........S...\n"
            "  0 #..D........\n"
            "    0         5\n");
}

TEST(LevelDrawing, ShowThenDrawGivesTheSameLevel) {
  std::mt19937 random(3);
  for (const int n : {0, 1, 4, 22, 57, 100}) {
    auto level = std::make_unique<Labmap>();
    for (int i = 0; i <= n; ++i) {
      for (int j = 0; j <= n; ++j) {
        (*level)(i, j, 0) = static_cast<std::int32_t>(random() % 9);
        (*level)(i, j, 1) = static_cast<std::int32_t>(random() % 9);
      }
    }
    const Drawing drawing = drawLevel(*level, n);
    ASSERT_TRUE(drawing.ok()) << drawing.error;
    auto back = std::make_unique<Labmap>();
    const LevelRead read = readDrawing(drawing.text, "d", *back);
    ASSERT_TRUE(read.ok()) << "extent " << n << ": " << read.error;
    EXPECT_EQ(read.n, n);
    EXPECT_EQ(*back, *level) << "extent " << n;
  }
}

TEST(LevelDrawing, MarginsCommentsAndBlanksAreOptional) {
  const char* const cases[] = {
      "#...\n..#.\n",
      "# a wall at the near left\n\n  1 #...  \r\n    ..#.\n    0\n",
      "#...\n..#.",
      "\t#...\n..#.\n# the end\n",
      "\xef\xbb\xbf#...\n..#.\n",                // a byte-order mark at the start
      "#my level\n#...\n#TODO: a door\n..#.\n",  // comments without a blank
      "#....#\n#...\n..#.\n##\n",                // lines of symbols as wide as no row
  };
  for (const char* text : cases) {
    auto labmap = std::make_unique<Labmap>();
    const LevelRead read = readDrawing(text, "d", *labmap);
    ASSERT_TRUE(read.ok()) << text << ": " << read.error;
    EXPECT_EQ(read.n, 1) << text;
    EXPECT_EQ((*labmap)(0, 1, 0), 1) << text;  // the far row, drawn first
    EXPECT_EQ((*labmap)(1, 0, 0), 1) << text;
    EXPECT_EQ((*labmap)(0, 0, 0), 0) << text;
  }
}

TEST(LevelDrawing, FaultsNameTheLineAndColumn) {
  const struct {
    const char* text;
    std::string error;
  } cases[] = {
      {"#...\n..#\n", "d:2:4: this row is 3 characters wide, the first 4"},
      {"  1 #...\n  0 ..#..\n", "d:2:9: this row is 5 characters wide, the first 4"},
      {"#.....\n......\n", "d:1:1: 2 rows need rows of 4 characters, two a point; this one has 6"},
      {"#...\n..x.\n", "d:2:3: \"x\" is no symbol of a code; the symbols are . # D Y B S C L G"},
      {"#...\n\xef\xbb\xbf..#.\n",
       "d:2:1: a byte-order mark is no symbol of a code; the symbols are . # D Y B S C L G"},
      {"# only a comment\n#\n#comment\n", "d: the drawing has no rows"},
      {"..#.\n#x..\n",
       "d:1:1: 1 row needs rows of 2 characters, two a point; this one has 4; line 2, \"#x..\", "
       "was taken for a comment"},
      {"#...\n", "d:1:1: 1 row needs rows of 2 characters, two a point; this one has 4"},
      {"\".\n", "d:1:1: \"\\\"\" is no symbol of a code; the symbols are . # D Y B S C L G"},
  };
  for (const auto& c : cases) {
    auto labmap = std::make_unique<Labmap>();
    (*labmap)(0, 0, 0) = 42;
    const LevelRead read = readDrawing(c.text, "d", *labmap);
    EXPECT_EQ(read.error, c.error) << c.text;
    EXPECT_EQ((*labmap)(0, 0, 0), 42) << "untouched by: " << c.text;
  }
  std::string tooMany;
  for (int r = 0; r < 102; ++r) {
    tooMany += std::string(204, '.') + "\n";
  }
  auto labmap = std::make_unique<Labmap>();
  EXPECT_EQ(readDrawing(tooMany, "d", *labmap).error, "d:102:1: a level has at most 101 rows");
}

TEST(LevelDrawing, EveryRowMayBeginWithAWall) {
  // No row begins otherwise, so no line of symbols is taken for a comment for its width.
  auto labmap = std::make_unique<Labmap>();
  const LevelRead read = readDrawing("#.#.\n####\n", "d", *labmap);
  ASSERT_TRUE(read.ok()) << read.error;
  EXPECT_EQ((*labmap)(1, 0, 1), 1) << "the near row's last symbol";
}

TEST(LevelDrawing, TellsADrawingFromALevelFile) {
  const struct {
    const char* text;
    bool drawing;
  } cases[] = {
      {"# my first labyrinth\n###.\n", true},
      {"    0\n  1 #...\n    ..#.\n", true},  // as quib-level show writes it
      {"\xef\xbb\xbf.#.#\n", true},
      {"\n  \n.D\n", true},
      {"3\n1,0,0,0\n", false},
      {"1 0 0 0\n", false},
      {"3\n1,#,0\n", false},
      {"level: 3\n", false},
      {"", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(looksLikeDrawing(c.text), c.drawing) << c.text;
  }
}

TEST(LevelDrawing, CodesWithoutASymbolCannotBeDrawn) {
  auto labmap = std::make_unique<Labmap>();
  (*labmap)(2, 1, 1) = 9;
  EXPECT_EQ(drawLevel(*labmap, 3).error,
            "point (2, 1) holds code 9 in layer 1, which has no symbol");
}

TEST(LevelDrawing, DrawingFuzzerFindingsStayMended) {
  for (const char* folder : {"/tests/fuzz/regressions/drawings", "/tests/fuzz/drawings"}) {
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(QUIB_SOURCE_DIR) + folder)) {
      std::ifstream in(entry.path(), std::ios::binary);
      std::ostringstream text;
      text << in.rdbuf();
      EXPECT_EQ(drawFuzzInput(text.str()), "") << entry.path();
    }
  }
}

}  // namespace
}  // namespace quib
