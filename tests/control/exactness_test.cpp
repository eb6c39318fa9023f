// The fast frame and plan against the reference: random levels, places, eyes and turns must
// give the very same pixels on both view surfaces and on the window's own surface, and the
// same as they gave when they were recorded (tests/control/recorded_frames.txt; QUIB_RECORD=1
// records them afresh).
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "control/box_text.hpp"
#include "control/key_handler.hpp"
#include "control/plan_map.hpp"
#include "control/plan_reference.hpp"
#include "render/painter_order_reference.hpp"
#include "world/key_codes.hpp"

namespace quib {
namespace {

Image noise(std::mt19937& random, int width, int height) {
  Image image(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      image.set(x, y, static_cast<Rgb>(random() & 0xffffffu));
    }
  }
  return image;
}

// Both games on the same level with the same pictures, the viewer somewhere on it.
// A dense level has a code at every point, as a level of walls everywhere does: faces side
// by side in every row.
void setUp(GameScreen& fast, GameScreen& reference, std::mt19937& random, int n, bool dense) {
  const int side = static_cast<int>(random() % 70) + 1;
  fast.images = {noise(random, side, side + 3), noise(random, 3, 5), noise(random, 64, 64),
                 noise(random, 1, 1)};
  const Image backdrop = noise(random, 400 + static_cast<int>(random() % 200), 500);
  for (GameScreen* game : {&fast, &reference}) {
    for (ViewSurface& surface : game->views.Picture1) {
      surface.setBackdrop(backdrop);
    }
    game->views.Picture1[0].setVisible(true);
    game->world.N = game->views.Picture1[0].extent();
  }
  reference.images = fast.images;
  for (int i = 0; i <= n; ++i) {
    for (int j = 0; j <= n; ++j) {
      for (int k = 0; k <= 1; ++k) {
        // All codes, the empty one most often, now and then one the game does not know; on a
        // dense level neither.
        const unsigned pick = dense ? 1 + random() % 8 : random() % 16;
        fast.world.labmap(i, j, k) = pick < 9 ? static_cast<std::int32_t>(pick) : pick == 9 ? 9 : 0;
      }
    }
  }
  placeViewer(fast.world, n);
  fast.world.X = static_cast<float>(random() % static_cast<unsigned>(n + 1));
  fast.world.Y = static_cast<float>(random() % static_cast<unsigned>(n + 1));
  fast.world.h = static_cast<std::int16_t>(random() % (kEyeMax + 1));
  reference.world = fast.world;
  const Size client = planClientSize(fast.world.N, fast.world.ro);
  fast.own.resize(client.width, client.height);
}

// FNV-1a over the pixels: a frame's fingerprint.
std::uint64_t fingerprint(const Image& image) {
  constexpr std::uint64_t kOffset = 14695981039346656037ULL;
  constexpr std::uint64_t kPrime = 1099511628211ULL;
  std::uint64_t hash = kOffset;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      hash = (hash ^ image.at(x, y)) * kPrime;
    }
  }
  return hash;
}

// The frames as they were recorded: a line a press, "level press key view own".
class RecordedFrames {
 public:
  RecordedFrames() {
    std::ifstream in(kPath);
    std::string line;
    while (std::getline(in, line)) {
      lines_.push_back(line);
    }
  }
  ~RecordedFrames() {
    if (recording()) {
      std::ofstream(kPath) << written_.str();
    }
  }
  RecordedFrames(const RecordedFrames&) = delete;
  RecordedFrames& operator=(const RecordedFrames&) = delete;

  // The line of this press, and the one recorded for it (empty when recording).
  std::pair<std::string, std::string> next(int level, int press, int key, const Image& view,
                                           const Image& own) {
    std::ostringstream line;
    line << level << ' ' << press << ' ' << key << ' ' << std::hex << fingerprint(view) << ' '
         << fingerprint(own);
    written_ << line.str() << '\n';
    const std::string recorded = recording() || at_ >= lines_.size() ? std::string() : lines_[at_];
    ++at_;
    return {line.str(), recording() ? line.str() : recorded};
  }

 private:
  static bool recording() {
    const char* record = std::getenv("QUIB_RECORD");
    return record != nullptr && std::string(record) == "1";
  }
  static constexpr const char* kPath = QUIB_SOURCE_DIR "/tests/control/recorded_frames.txt";
  std::vector<std::string> lines_;
  std::size_t at_ = 0;
  std::ostringstream written_;
};

TEST(Exactness, FastFramesEqualPaintersOrder) {
  RecordedFrames recorded;
  const BoxText text;
  std::mt19937 random(20261207);
  const std::int16_t keys[] = {vk::kUp,      vk::kDown,    vk::kLeft,    vk::kRight, vk::kNumpad4,
                               vk::kNumpad6, vk::kNumpad8, vk::kNumpad2, vk::kSpace};
  for (int level = 0; level < 24; ++level) {
    const int n = level < 4 ? level + 1 : static_cast<int>(random() % 100) + 1;
    auto fast = std::make_unique<GameScreen>(text);
    auto reference = std::make_unique<GameScreen>(text);
    setUp(*fast, *reference, random, n, level % 3 == 2);
    for (int press = 0; press < 12; ++press) {
      const std::int16_t key = keys[random() % std::size(keys)];
      Picture1_KeyDown(*fast, key);
      // The reference: the frame in painter's order and the plan drawn afresh on a fresh
      // surface, no layer kept.
      applyKey(reference->world, key);
      updateConerow(reference->world);
      const Image frame = referenceFrame(reference->world, reference->images, reference->views);
      WindowSurface own(text);
      own.resize(fast->own.pixels().width(), fast->own.pixels().height());
      own.printNumber(key);
      forEachPlanShape(reference->world,
                       PlanGeometry(reference->world.N, reference->world.ro,
                                    static_cast<float>(kViewLeft), static_cast<float>(kViewTop)),
                       [&](LineStyle style, float x1, float y1, float x2, float y2, Rgb colour) {
                         own.line(style, x1, y1, x2, y2, colour);
                       });
      const std::string where = "level " + std::to_string(level) + " (extent " + std::to_string(n) +
                                "), press " + std::to_string(press) + ", key " +
                                std::to_string(key);
      for (std::size_t s = 0; s < 2; ++s) {
        ASSERT_EQ(fast->views.Picture1[s].visible(), reference->views.Picture1[s].visible())
            << where;
      }
      // The surface just composed is the one now shown; the other keeps the frame before.
      const Image& shown = fast->views.Picture1[fast->views.Picture1[0].visible() ? 0 : 1].pixels();
      ASSERT_TRUE(shown == frame) << "the frame, " << where;
      ASSERT_TRUE(fast->own.pixels() == own.pixels()) << "the window's own surface, " << where;
      const auto [line, then] = recorded.next(level, press, key, shown, fast->own.pixels());
      ASSERT_EQ(line, then) << "as recorded, " << where;
    }
  }
}

}  // namespace
}  // namespace quib
