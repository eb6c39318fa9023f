// The whole chain of one key that changes nothing, on the fullest and the emptiest level.
// Prints the time of each and their ratio, measured in the same run.
#include <benchmark/benchmark.h>

#include <iostream>
#include <map>
#include <memory>
#include <string>

#include "control/key_handler.hpp"
#include "platform/text.hpp"
#include "world/key_codes.hpp"
#include "world/level_codes.hpp"

namespace {

// The game window's parts, as the key handler works on them.
struct Scene {
  explicit Scene(const quib::TextRenderer& text) : own(text) {}
  quib::World world;
  quib::ImageHolders images;
  quib::ViewPair views;
  quib::WindowSurface own;
};

std::unique_ptr<Scene> screen(const quib::Font& font, std::int32_t code) {
  auto s = std::make_unique<Scene>(font);
  for (int i = 0; i <= quib::kGridMax; ++i) {
    for (int j = 0; j <= quib::kGridMax; ++j) {
      s->world.labmap(i, j, 0) = code;
      s->world.labmap(i, j, 1) = code;
    }
  }
  constexpr int kFaceSide = 64;
  constexpr quib::Rgb kFaceColour = quib::rgb(150, 70, 40);
  constexpr quib::Rgb kBackdropColour = quib::rgb(60, 60, 80);
  const quib::Image face(kFaceSide, kFaceSide, kFaceColour);
  s->images = {face, face, face, face};
  for (quib::ViewSurface& surface : s->views.Picture1) {
    surface.setBackdrop(
        quib::Image(quib::ViewSurface::kExtent, quib::ViewSurface::kExtent, kBackdropColour));
  }
  s->views.Picture1[0].setVisible(true);
  s->world.N = s->views.Picture1[0].extent();
  quib::placeViewer(s->world, quib::kGridMax);
  s->world.Y = 0;  // column 50, row 0, eye at mid-height
  return s;
}

void keyChain(benchmark::State& state, std::int32_t code) {
  const quib::Font font;
  auto s = screen(font, code);
  for (auto _ : state) {
    quib::Picture1_KeyDown(s->world, s->images, s->views, s->own, quib::vk::kSpace);
    constexpr int kMiddle = quib::ViewSurface::kExtent / 2;
    benchmark::DoNotOptimize(s->views.Picture1[0].pixels().at(kMiddle, kMiddle));
  }
}

void BM_KeyChainWallsEverywhere(benchmark::State& state) {
  keyChain(state, quib::code::kWall);
}
void BM_KeyChainEmptyLevel(benchmark::State& state) {
  keyChain(state, quib::code::kEmpty);
}
BENCHMARK(BM_KeyChainWallsEverywhere)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeyChainEmptyLevel)->Unit(benchmark::kMillisecond);

// Keeps each benchmark's time per key so the ratio can be printed after the table.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration || run.aggregate_name == "mean") {
        times[run.run_name.function_name] = run.GetAdjustedRealTime();
      }
    }
  }
  std::map<std::string, double> times;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const double full = reporter.times["BM_KeyChainWallsEverywhere"];
  const double empty = reporter.times["BM_KeyChainEmptyLevel"];
  if (full > 0 && empty > 0) {
    std::cout << "walls everywhere / empty level: " << full / empty << "\n";
  }
  benchmark::Shutdown();
  return 0;
}
