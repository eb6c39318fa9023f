// Levels of every extent the level file reads, negative ones down to -2^31 among them, played
// through the whole key chain: every key ends, and a level without points shows only the
// backdrop, turned or not. The play fuzzer's findings are played again here.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "control/box_text.hpp"
#include "control/key_handler.hpp"
#include "control/play_input.hpp"
#include "world/key_codes.hpp"

namespace quib {
namespace {

TEST(EveryExtent, LevelsWithoutPointsPlayAndShowOnlyTheBackdrop) {
  const BoxText text;
  const Image backdrop(521, 521, rgb(60, 60, 80));
  ViewSurface bare;
  bare.setBackdrop(backdrop);
  bare.clear();
  // Past -2^24 a float no longer counts on by one; turned, such levels put the viewer there.
  const int extents[] = {-2147483647 - 1, -16777217, -16777216, -16777215, -8388609, -101, -1};
  const std::vector<std::vector<std::int16_t>> games = {
      {vk::kNumpad4, vk::kNumpad4},
      {vk::kNumpad4, vk::kUp, vk::kNumpad4},
      {vk::kNumpad6, vk::kNumpad6, vk::kNumpad8, vk::kNumpad8, vk::kLeft, vk::kRight, vk::kDown},
      {vk::kNumpad4, vk::kNumpad4, vk::kNumpad4, vk::kNumpad6, vk::kNumpad4, vk::kSpace},
  };
  for (const int n : extents) {
    for (const auto& keys : games) {
      auto screen = std::make_unique<GameScreen>(text);
      placeViewer(screen->world, n);
      screen->images = ImageHolders(Image(8, 8, rgb(200, 0, 0)), Image(8, 8, rgb(0, 200, 0)),
                                    Image(8, 8, rgb(0, 0, 200)), Image(8, 8, rgb(200, 200, 0)));
      for (ViewSurface& surface : screen->views.Picture1) {
        surface.setBackdrop(backdrop);
      }
      screen->views.Picture1[0].setVisible(true);
      screen->world.N = screen->views.Picture1[0].extent();
      std::string played;
      for (const std::int16_t key : keys) {
        played += " " + std::to_string(key);
        ASSERT_EQ(Picture1_KeyDown(*screen, key), KeyAction::kDone)
            << "extent " << n << ", keys" << played;
      }
      const ViewPair& views = screen->views;
      const ViewSurface& shown = views.Picture1[views.Picture1[0].visible() ? 0 : 1];
      EXPECT_TRUE(shown.pixels() == bare.pixels())
          << "extent " << n << ", keys" << played << ": the view shows more than the backdrop";
    }
  }
}

TEST(EveryExtent, PlayFuzzerFindingsStayMended) {
  const std::string scratch =
      std::filesystem::temp_directory_path() / ("quib_play_" + std::to_string(getpid()));
  for (const char* folder : {"/tests/fuzz/regressions/plays", "/tests/fuzz/plays"}) {
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(QUIB_SOURCE_DIR) + folder)) {
      std::ifstream in(entry.path(), std::ios::binary);
      const std::vector<std::uint8_t> input((std::istreambuf_iterator<char>(in)),
                                            std::istreambuf_iterator<char>());
      EXPECT_EQ(playFuzzInput(input, scratch), "") << entry.path();
    }
  }
  std::filesystem::remove(scratch);
}

}  // namespace
}  // namespace quib
