// A long game: 100,000 random keys of the whole table through the key handler, on the bundled
// level. Memory stays flat, the viewer on the grid, the eye in range, the grid a permutation
// of the level that the turns taken undo exactly.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <random>
#include <vector>

#include "control/box_text.hpp"
#include "control/key_handler.hpp"
#include "world/key_codes.hpp"
#include "world/level_file.hpp"
#include "world/turning.hpp"

namespace quib {
namespace {

long residentBytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0;
  long resident = 0;
  statm >> pages >> resident;
  return resident * sysconf(_SC_PAGESIZE);
}

std::vector<std::int32_t> codesOf(const Labmap& labmap, int n) {
  std::vector<std::int32_t> codes;
  for (int i = 0; i <= n; ++i) {
    for (int j = 0; j <= n; ++j) {
      codes.push_back(labmap(i, j, 0));
      codes.push_back(labmap(i, j, 1));
    }
  }
  std::sort(codes.begin(), codes.end());
  return codes;
}

TEST(LongPlay, HundredThousandKeys) {
#ifdef QUIB_SANITIZED
  GTEST_SKIP() << "a plain-build test: under the sanitizers it would take minutes";
#endif
  const BoxText text;
  auto screen = std::make_unique<GameScreen>(text);
  World* world = &screen->world;
  const LevelRead level =
      readLevel(std::string(QUIB_SOURCE_DIR) + "/game/lab/firstwin.lab/level0.dat", world->labmap);
  ASSERT_TRUE(level.ok()) << level.error;
  const int n = level.n;
  placeViewer(*world, n);
  const auto start = std::make_unique<Labmap>(world->labmap);
  const std::vector<std::int32_t> codes = codesOf(world->labmap, n);

  screen->images = ImageHolders(Image(64, 64, rgb(150, 70, 40)), Image(32, 48, rgb(120, 120, 130)),
                                Image(16, 16, rgb(140, 90, 40)), Image(5, 7, rgb(200, 200, 190)));
  for (ViewSurface& surface : screen->views.Picture1) {
    surface.setBackdrop(Image(521, 521, rgb(60, 60, 80)));
  }
  screen->views.Picture1[0].setVisible(true);
  world->N = screen->views.Picture1[0].extent();

  const std::int16_t keys[] = {vk::kUp,      vk::kDown,    vk::kLeft,    vk::kRight, vk::kNumpad4,
                               vk::kNumpad6, vk::kNumpad8, vk::kNumpad2, vk::kSpace, 65};
  std::mt19937 random(100000);
  int turns = 0;  // to the left, less those to the right
  long settled = 0;
  constexpr int kKeys = 100000;
  for (int press = 1; press <= kKeys; ++press) {
    const std::int16_t key = keys[random() % std::size(keys)];
    turns += key == vk::kNumpad4 ? 1 : key == vk::kNumpad6 ? -1 : 0;
    ASSERT_EQ(Picture1_KeyDown(*screen, key), KeyAction::kDone);
    ASSERT_TRUE(world->X >= 0 && world->X <= world->ro && world->Y >= 0 && world->Y <= world->ro)
        << "press " << press << ": (" << world->X << ", " << world->Y << ")";
    ASSERT_TRUE(world->h >= 0 && world->h <= kEyeMax) << "press " << press << ": h " << world->h;
    if (press == kKeys / 10) {
      settled = residentBytes();
    }
  }
  EXPECT_LT(residentBytes() - settled, 1L << 20) << "memory grew after the first 10,000 keys";
  EXPECT_EQ(codesOf(world->labmap, n), codes) << "the grid holds the level's codes, moved";

  const auto turned = std::make_unique<Labmap>(world->labmap);
  for (int k = 0; k < 4; ++k) {
    LeftRound(*world);
  }
  EXPECT_EQ(world->labmap, *turned) << "four turns the same way change nothing";
  for (int k = 0; k < ((turns % 4) + 4) % 4; ++k) {
    RightRound(*world);
  }
  EXPECT_EQ(world->labmap, *start) << "undoing the turns gives back the level";
}

}  // namespace
}  // namespace quib
