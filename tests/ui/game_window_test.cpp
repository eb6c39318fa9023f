// The game window without a display: start-up failures, the first frame, a hard walk.
#include "ui/game_window.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "canvas/window_surface.hpp"
#include "platform/failure.hpp"
#include "ui/scratch_game_folder.hpp"

namespace quib {
namespace fs = std::filesystem;
namespace {

class GameFolderTest : public ScratchGameFolder {
 protected:
  std::string startupError() {
    GameWindow game(font_);
    try {
      game.Form_Load({pictures()});
    } catch (const Failure& failure) {
      return failure.what();
    }
    return "started";
  }
};

TEST_F(GameFolderTest, StartupNamesTheFirstFileThatFails) {
  const std::string x = pictures();
  const std::string level = (root_ / "bin").string() + "/../lab/firstwin.lab/level0.dat";
  EXPECT_EQ(startupError(), "started");

  writeLevel("3,1");
  EXPECT_EQ(startupError(), "level file " + level + " ends early: read 2 of 33 values");
  fs::remove(root_ / "lab" / "firstwin.lab" / "level0.dat");
  EXPECT_EQ(startupError(), "cannot open level file " + level + ": No such file or directory");
  // Pictures load before the level, in the game's order; the last one missing is named first.
  for (const char* picture : {"powon.bmp", "door.bmp", "lift.bmp", "wall.bmp", "p3.bmp"}) {
    std::ofstream(root_ / "x" / picture) << "broken";
    EXPECT_EQ(startupError(), "cannot load picture " + x + "/" + picture + ": not a BMP picture");
    fs::remove(root_ / "x" / picture);
    EXPECT_EQ(startupError(),
              "cannot load picture " + x + "/" + picture + ": No such file or directory");
  }
}

TEST_F(GameFolderTest, NoFrameBeforeTheFirstKey) {
  GameWindow game(font_);
  game.Form_Load({pictures()});
  EXPECT_EQ(game.screen().world.X, 11.0f);
  EXPECT_EQ(game.screen().world.N, 521.0f);
  const auto planInk = [](const Image& client) {
    int inked = 0;
    for (int y = 270; y < client.height(); ++y) {
      for (int x = 16 + 521; x < client.width(); ++x) {
        inked += client.at(x, y) != WindowSurface::kBackColour ? 1 : 0;
      }
    }
    return inked;
  };
  const Image before = game.clientArea();
  EXPECT_EQ(planInk(before), 0) << "no plan before the first key";
  game.keyDown(32);
  EXPECT_GT(planInk(game.clientArea()), 1000) << "the plan is drawn on the first key";
}

TEST_F(GameFolderTest, KeyCodeAndViewerMarkerAreShown) {
  std::string level = "4";
  for (int v = 0; v < 50; ++v) {
    level += ",0";
  }
  writeLevel(level);
  GameWindow game(font_);
  game.Form_Load({pictures()});
  game.keyDown(38);  // viewer to (2, 2)
  const Image client = game.clientArea();
  // s = 521 / 8; the viewer's marker is centred on (16 + 521 + 5 + 3 s, 16 + 260.5 + 2 s),
  // on a client area widened to 937 x 607 for the plan of so small a level.
  EXPECT_EQ(game.clientSize(), (Size{937, 607}));
  EXPECT_EQ(client.at(737, 407), rgb(255, 255, 0));
  // " 38" at the top-left corner, exactly as the font draws it on the window's colour.
  const GlyphStrip code = font_.render(" 38");
  Image expected(code.width, code.height, WindowSurface::kBackColour);
  drawGlyphs(expected, 0, 0, code, WindowSurface::kTextColour);
  for (int y = 0; y < code.height; ++y) {
    for (int x = 0; x < code.width; ++x) {
      ASSERT_EQ(client.at(x, y), expected.at(x, y)) << "key code pixel " << x << "," << y;
    }
  }
}

// Every pixel that differs between two pictures lies in one of the rectangles.
::testing::AssertionResult changesHeld(const Image& before, const Image& after,
                                       const std::vector<Rect>& changed) {
  for (int y = 0; y < after.height(); ++y) {
    for (int x = 0; x < after.width(); ++x) {
      if (before.at(x, y) != after.at(x, y) &&
          std::none_of(changed.begin(), changed.end(),
                       [&](const Rect& r) { return r.contains(x, y); })) {
        return ::testing::AssertionFailure() << "pixel " << x << "," << y << " changed unnoted";
      }
    }
  }
  return ::testing::AssertionSuccess();
}

int areaOf(const std::vector<Rect>& rects) {
  int area = 0;
  for (const Rect& r : rects) {
    area += r.w * r.h;
  }
  return area;
}

TEST_F(GameFolderTest, PictureKeptBetweenKeysIsTheClientAreaWithItsChanges) {
  const struct {
    const char* what;
    std::vector<std::vector<std::int16_t>> keys;  // the keys between one picture and the next
  } cases[] = {
      {"a key at a time", {{38}, {39}, {40}, {37}, {32}}},
      {"turns and the eye", {{100}, {102}, {104}, {104}, {98}, {100, 100}}},
      {"bursts shown at their end", {{38, 38, 39}, {40, 40, 37, 32}, {102, 104, 98}}},
      {"Escape's code, no frame", {{38}, {27}}},
  };
  for (const auto& c : cases) {
    GameWindow game(font_);
    game.Form_Load({pictures()});
    std::vector<Rect> changed;
    Image before = game.picture(changed);
    EXPECT_EQ(changed, (std::vector<Rect>{{0, 0, 840, 553}})) << c.what << ": the first whole";
    for (const auto& burst : c.keys) {
      for (const std::int16_t key : burst) {
        game.keyDown(key);
      }
      const Image& after = game.picture(changed);
      ASSERT_EQ(after, game.clientArea()) << c.what << ", after " << burst.front();
      EXPECT_TRUE(changesHeld(before, after, changed)) << c.what << ", after " << burst.front();
      before = after;
    }
  }
}

TEST_F(GameFolderTest, AKeyThatChangesLittleNotesLittle) {
  GameWindow game(font_);
  game.Form_Load({pictures()});
  std::vector<Rect> changed;
  game.picture(changed);
  game.keyDown(32);
  game.picture(changed);
  EXPECT_GT(areaOf(changed), 521 * 521 / 2) << "the first frame replaces the backdrop";
  game.keyDown(32);
  game.picture(changed);
  EXPECT_TRUE(changed.empty()) << "Space again: the same code, frame and plan";
  game.keyDown(65);
  game.picture(changed);
  EXPECT_LT(areaOf(changed), 2 * 16 * 32) << "another code, and nothing else";
  EXPECT_TRUE(game.picture(changed).width() == 840 && changed.empty()) << "no key, no change";
}

TEST_F(GameFolderTest, WallsEverywhereWalkedAndTurned) {
  std::string level = "100";
  for (int v = 0; v < 2 * 101 * 101; ++v) {
    level += ",1";
  }
  writeLevel(level);
  GameWindow game(font_);
  game.Form_Load({pictures()});
  std::mt19937 random(4);
  const std::int16_t keys[] = {37, 38, 39, 40, 98, 100, 102, 104, 32, 65};
  for (int press = 0; press < 300; ++press) {
    const std::int16_t key = keys[random() % std::size(keys)];
    ASSERT_EQ(game.keyDown(key), KeyAction::kDone) << "press " << press << ", key " << key;
    const World& world = game.screen().world;
    ASSERT_TRUE(world.X >= 0 && world.X <= 100 && world.Y >= 0 && world.Y <= 100)
        << "press " << press << ": (" << world.X << ", " << world.Y << ")";
    ASSERT_TRUE(world.h >= 0 && world.h <= 7) << "press " << press << ": h " << world.h;
  }
}

}  // namespace
}  // namespace quib
