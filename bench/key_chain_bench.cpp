// The whole chain of one key that moves nothing (Space): the key code, the frame and the plan;
// and the whole key as the player waits for it: the chain, the window's picture brought up to
// date, and its changes scaled into a window at 1x, 2x and 4x, as the desktop does.
// Each level is measured beside an empty level of the same extent and viewer, in the same
// run, and the table after the benchmarks gives each one's time against its baseline. A click
// of the editor, which changes a panel and redraws as a key does, is held against Space on the
// same level.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "canvas/fit.hpp"
#include "control/key_handler.hpp"
#include "control/plan_map.hpp"
#include "edit/level_edits.hpp"
#include "platform/paths.hpp"
#include "platform/picture_file.hpp"
#include "platform/text.hpp"
#include "ui/game_window.hpp"
#include "world/key_codes.hpp"
#include "world/level_codes.hpp"
#include "world/level_file.hpp"
#include "world/turning.hpp"

namespace {

// The game window's parts, as the key handler works on them, with the shipped pictures.
void furnish(quib::GameScreen& screen) {
  const std::string x = std::string(QUIB_BIN_DIR) + "/game/x/";
  for (quib::ViewSurface& surface : screen.views.Picture1) {
    surface.setBackdrop(quib::loadPicture(x + "p3.bmp"));
  }
  screen.images =
      quib::ImageHolders(quib::loadPicture(x + "wall.bmp"), quib::loadPicture(x + "lift.bmp"),
                         quib::loadPicture(x + "door.bmp"), quib::loadPicture(x + "powon.bmp"));
  screen.views.Picture1[0].setVisible(true);
  screen.world.N = screen.views.Picture1[0].extent();
}

std::unique_ptr<quib::GameScreen> makeScreen(const quib::TextRenderer& text) {
  auto screen = std::make_unique<quib::GameScreen>(text);
  furnish(*screen);
  return screen;
}

using Level = std::function<void(quib::World&)>;  // fills the grid, places the viewer

Level filled(int n, std::int32_t code) {
  return [n, code](quib::World& world) {
    for (int i = 0; i <= n; ++i) {
      for (int j = 0; j <= n; ++j) {
        world.labmap(i, j, 0) = code;
        world.labmap(i, j, 1) = code;
      }
    }
    quib::placeViewer(world, n);
  };
}

Level scattered(int n) {
  return [n](quib::World& world) {
    std::uint32_t state = 1;
    for (int i = 0; i <= n; ++i) {
      for (int j = 0; j <= n; ++j) {
        for (int k = 0; k <= 1; ++k) {
          constexpr std::uint32_t kMultiplier = 1664525;
          constexpr std::uint32_t kIncrement = 1013904223;
          state = state * kMultiplier + kIncrement;
          constexpr std::uint32_t kCodes = quib::kHighestCode + 1;  // 0 to 8
          world.labmap(i, j, k) = static_cast<std::int32_t>((state >> 16) % kCodes);
        }
      }
    }
    quib::placeViewer(world, n);
  };
}

Level bundled() {
  return [](quib::World& world) {
    const quib::LevelRead level = quib::readLevel(
        std::string(QUIB_SOURCE_DIR) + "/game/lab/firstwin.lab/level0.dat", world.labmap);
    quib::placeViewer(world, level.n);
  };
}

using Viewer = std::function<void(quib::World&)>;  // moves the viewer from its start

// The keys pressed in turn: Space moves nothing; a turn each way changes the whole grid and
// with it the plan, which is then drawn afresh.
using Keys = std::vector<std::int16_t>;

void run(benchmark::State& state, const Level& level, const Viewer& viewer, const Keys& keys) {
  const quib::Font font;
  auto scene = makeScreen(font);
  level(scene->world);
  viewer(scene->world);
  quib::updateConerow(scene->world);
  std::size_t next = 0;
  for (auto _ : state) {
    quib::Picture1_KeyDown(*scene, keys[next]);
    next = (next + 1) % keys.size();
    benchmark::DoNotOptimize(scene->views.Picture1[0].pixels().row(0));
  }
}

// The game window furnished, on the level with the viewer placed, its client area sized for the
// level's plan; that size.
quib::Size prepare(quib::GameWindow& game, const Level& level, const Viewer& viewer) {
  quib::GameScreen& scene = game.screen();
  furnish(scene);
  level(scene.world);
  viewer(scene.world);
  quib::updateConerow(scene.world);
  const quib::Size client = quib::planClientSize(scene.world.N, scene.world.ro);
  scene.own.resize(client.width, client.height);
  return client;
}

// The whole key: the chain, the game window's picture with its changes, and those changes
// scaled into a window `scale` times the client area's size.
void runWhole(benchmark::State& state, const Level& level, const Viewer& viewer, const Keys& keys,
              int scale) {
  const quib::Font font;
  quib::GameWindow game(font);
  const quib::Size client = prepare(game, level, viewer);
  quib::Image window(client.width * scale, client.height * scale);
  const quib::BorrowedPixels pixels = quib::BorrowedPixels::of(window);
  std::vector<quib::Rect> changed;
  quib::paintFitted(pixels, game.picture(changed), quib::WindowSurface::kBackColour);
  const quib::Rect place =
      quib::fitPicture(client.width, client.height, window.width(), window.height());
  std::size_t next = 0;
  for (auto _ : state) {
    game.keyDown(keys[next]);
    const quib::Image& picture = game.picture(changed);
    for (const quib::Rect& part : changed) {
      quib::paintScaled(pixels, picture, place, part);
    }
    next = (next + 1) % keys.size();
    benchmark::DoNotOptimize(window.row(0));
  }
}

// The editor's click as the designer waits for it: a panel straight ahead changed, the view and
// the plan redrawn, the window's picture brought up to date and scaled into a 1x window. The
// clicks go round eight panels, setting and clearing them in turn: no grid comes back within
// sixteen clicks, so the plan is drawn afresh each time, as for a designer's new grid.
void runEditClicks(benchmark::State& state, const Level& level, const Viewer& viewer) {
  const quib::Font font;
  quib::GameWindow game(font);
  const quib::Size client = prepare(game, level, viewer);
  quib::GameScreen& scene = game.screen();
  game.keyDown(quib::vk::kSpace);
  quib::LevelEdits edits(scene.world);
  quib::Image window(client.width, client.height);
  const quib::BorrowedPixels pixels = quib::BorrowedPixels::of(window);
  std::vector<quib::Rect> changed;
  quib::paintFitted(pixels, game.picture(changed), quib::WindowSurface::kBackColour);
  const quib::Rect place = {0, 0, client.width, client.height};
  constexpr int kPanels = 8;
  const auto column = static_cast<int>(scene.world.X);
  const auto row = static_cast<int>(scene.world.Y) + 2;
  int click = 0;
  for (auto _ : state) {
    const quib::PlanSpot spot{column + (click % kPanels) - kPanels / 2, row, 0};
    const std::int32_t code = (click / kPanels) % 2 == 0 ? quib::code::kDoor : quib::code::kEmpty;
    edits.set(scene.world, spot, code);
    game.redraw();
    const quib::Image& picture = game.picture(changed);
    for (const quib::Rect& part : changed) {
      quib::paintScaled(pixels, picture, place, part);
    }
    ++click;
    benchmark::DoNotOptimize(window.row(0));
  }
}

struct Case {
  std::string name;
  std::string baseline;  // what it is held against (an empty level); empty for a baseline
};

// Registers a case: the key chain alone, or with a window scale the whole key.
using Add =
    std::function<void(const std::string& name, const std::string& baseline, const Level& level,
                       const Viewer& viewer, const Keys& keys, int scale)>;

using AddChain = std::function<void(const std::string& name, const std::string& baseline,
                                    const Level& level, const Viewer& viewer, const Keys& keys)>;

constexpr int kBundledExtent = 22;  // the hand-made level's
// The viewer moved to grid row 0, in its column.
const Viewer kRowZero = [](quib::World& w) { w.Y = 0; };
const Keys kSpaceOnly = {quib::vk::kSpace};

// Walls everywhere at (n/2, 0), eye 0, extent 10 to 100; and at (50, 50) after a left turn,
// eye 3, with the eye going up and down there.
void addFullLevels(const AddChain& add) {
  for (const int n : {10, 25, 50, 100}) {
    const std::string at =
        "/extent:" + std::to_string(n) + "/viewer:(" + std::to_string(n / 2) + ",0)/h:0";
    add("empty" + at, "", filled(n, quib::code::kEmpty), kRowZero, kSpaceOnly);
    add("walls_everywhere" + at, "empty" + at, filled(n, quib::code::kWall), kRowZero, kSpaceOnly);
  }
  constexpr float kMiddle = 50.0f;  // the middle column and row of the largest grid
  const Viewer turned = [](quib::World& w) {
    w.X = kMiddle;
    w.Y = kMiddle;
    quib::LeftRound(w);
    w.h = 3;
  };
  const std::string at = "/extent:100/viewer:(50,50)_left_turn/h:3";
  const Level empty = filled(quib::kGridMax, quib::code::kEmpty);
  const Level walls = filled(quib::kGridMax, quib::code::kWall);
  add("empty" + at, "", empty, turned, kSpaceOnly);
  add("walls_everywhere" + at, "empty" + at, walls, turned, kSpaceOnly);
  // A new eye height: every shape worked out afresh.
  const Keys eyes = {quib::vk::kNumpad8, quib::vk::kNumpad2};
  add("empty" + at + "/eye_up_and_down", "", empty, turned, eyes);
  add("walls_everywhere" + at + "/eye_up_and_down", "empty" + at + "/eye_up_and_down", walls,
      turned, eyes);
}

// Turning a grid of walls everywhere gives the same grid: the turns are measured on a grid of
// every code at random, which each turn changes.
void addTurns(const AddChain& add) {
  const Keys turns = {quib::vk::kNumpad4, quib::vk::kNumpad6};
  add("empty/extent:100/turning", "", filled(quib::kGridMax, quib::code::kEmpty), kRowZero, turns);
  add("every_code_at_random/extent:100/turning", "empty/extent:100/turning",
      scattered(quib::kGridMax), kRowZero, turns);
}

// The bundled level at the start, still and with a step ahead and back (the same places,
// other pictures at some).
void addBundledLevel(const AddChain& add) {
  const Viewer start = [](quib::World&) {};
  const Level empty = filled(kBundledExtent, quib::code::kEmpty);
  add("empty/extent:22/start", "", empty, start, kSpaceOnly);
  add("bundled_level/extent:22/start", "empty/extent:22/start", bundled(), start, kSpaceOnly);
  const Keys steps = {quib::vk::kUp, quib::vk::kDown};
  add("empty/extent:22/start/step_and_back", "", empty, start, steps);
  add("bundled_level/extent:22/start/step_and_back", "empty/extent:22/start/step_and_back",
      bundled(), start, steps);
}

// The whole key on the bundled level, walking round a square, and on the largest grid of
// walls everywhere, still and with the eye going up and down, at the window's scales.
void addWholeKeys(const Add& add) {
  const Viewer start = [](quib::World&) {};
  const Keys walk = {quib::vk::kUp, quib::vk::kRight, quib::vk::kDown, quib::vk::kLeft};
  const Viewer turned = [](quib::World& w) {
    constexpr float kMiddle = 50.0f;
    w.X = kMiddle;
    w.Y = kMiddle;
    quib::LeftRound(w);
    w.h = 3;
  };
  const Keys eyes = {quib::vk::kNumpad8, quib::vk::kNumpad2};
  const struct {
    std::string at;
    Level level;
    Level empty;
    Viewer viewer;
    Keys keys;
  } places[] = {
      {"/extent:22/start/walk", bundled(), filled(kBundledExtent, quib::code::kEmpty), start, walk},
      {"/extent:100/viewer:(50,0)/h:0", filled(quib::kGridMax, quib::code::kWall),
       filled(quib::kGridMax, quib::code::kEmpty), kRowZero, kSpaceOnly},
      {"/extent:100/viewer:(50,50)_left_turn/h:3/eye_up_and_down",
       filled(quib::kGridMax, quib::code::kWall), filled(quib::kGridMax, quib::code::kEmpty),
       turned, eyes},
  };
  for (const auto& place : places) {
    const std::string name = place.at.find("extent:22") != std::string::npos
                                 ? "whole_key/bundled_level"
                                 : "whole_key/walls_everywhere";
    for (const int scale : {1, 2, 4}) {
      const std::string at = place.at + "/window:" + std::to_string(scale) + "x";
      add("whole_key/empty" + at, "", place.empty, place.viewer, place.keys, scale);
      add(name + at, "whole_key/empty" + at, place.level, place.viewer, place.keys, scale);
    }
  }
}

// The editor's click beside the whole key Space, on the bundled level and on the largest grid
// of walls everywhere.
void addEditClicks(const Add& add, std::vector<Case>& cases) {
  const Viewer start = [](quib::World&) {};
  const struct {
    std::string at;
    Level level;
    Viewer viewer;
  } places[] = {
      {"bundled_level/extent:22/start", bundled(), start},
      {"walls_everywhere/extent:100/viewer:(50,0)/h:0", filled(quib::kGridMax, quib::code::kWall),
       kRowZero},
  };
  for (const auto& place : places) {
    const std::string key = "whole_key/" + place.at + "/space/window:1x";
    add(key, "", place.level, place.viewer, kSpaceOnly, 1);
    const std::string name = "edit_click/" + place.at + "/window:1x";
    benchmark::RegisterBenchmark(name.c_str(), [place](benchmark::State& state) {
      runEditClicks(state, place.level, place.viewer);
    })->Unit(benchmark::kMicrosecond);
    cases.push_back({name, key});
  }
}

std::vector<Case> registerCases() {
  std::vector<Case> cases;
  const Add add = [&](const std::string& name, const std::string& baseline, const Level& level,
                      const Viewer& viewer, const Keys& keys, int scale) {
    benchmark::RegisterBenchmark(name.c_str(), [level, viewer, keys,
                                                scale](benchmark::State& state) {
      if (scale == 0) {
        run(state, level, viewer, keys);
      } else {
        runWhole(state, level, viewer, keys, scale);
      }
    })->Unit(benchmark::kMicrosecond);
    cases.push_back({name, baseline});
  };
  // The chain alone: no window.
  const auto chain = [&add](const std::string& name, const std::string& baseline,
                            const Level& level, const Viewer& viewer,
                            const Keys& keys) { add(name, baseline, level, viewer, keys, 0); };
  addFullLevels(chain);
  addTurns(chain);
  addBundledLevel(chain);
  addWholeKeys(add);
  addEditClicks(add, cases);
  return cases;
}

// Keeps each benchmark's time per key, the median where there are repetitions: the machines
// are shared, and a median is what a stray slow repetition moves least.
class TimesReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median") {
        times[run.run_name.function_name] = run.GetAdjustedRealTime();
      }
    }
  }
  std::map<std::string, double> times;
};

}  // namespace

int main(int argc, char** argv) {
  // Unless told otherwise: five repetitions of each case, in random order, so that a level
  // and its baseline meet the machine in the same states.
  std::vector<char*> args(argv, argv + argc);
  std::string repetitions = "--benchmark_repetitions=5";
  std::string interleaving = "--benchmark_enable_random_interleaving=true";
  std::string aggregates = "--benchmark_report_aggregates_only=true";
  args.insert(args.begin() + 1, {repetitions.data(), interleaving.data(), aggregates.data()});
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  const std::vector<Case> cases = registerCases();
  TimesReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\n%-80s %10s %10s %7s\n", "per key (median)", "time (us)", "baseline", "ratio");
  for (const Case& c : cases) {
    if (c.baseline.empty() || reporter.times.count(c.name) == 0 ||
        reporter.times.count(c.baseline) == 0) {
      continue;
    }
    const double time = reporter.times[c.name];
    const double empty = reporter.times[c.baseline];
    std::printf("%-80s %10.1f %10.1f %7.2f\n", c.name.c_str(), time, empty, time / empty);
  }
  benchmark::Shutdown();
  return 0;
}
