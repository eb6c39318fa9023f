// quib-level: checks a level file or writes it turned, for level designers.
#include <array>
#include <cstdio>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "world/level_file.hpp"
#include "world/turning.hpp"

namespace {

constexpr const char* kUsage =
    "usage: quib-level check FILE\n"
    "       quib-level turn FILE left|right [left|right ...]\n";

std::string summary(const std::string& path, const quib::Labmap& labmap, int n) {
  std::string line = path + ": extent " + std::to_string(n);
  if (n < 0) {
    return line + " (no points)";
  }
  line += " (" + std::to_string(n + 1) + " x " + std::to_string(n + 1) + " points)";
  for (int k = 0; k <= 1; ++k) {
    std::map<std::int32_t, long> counts;
    for (int i = 0; i <= n; ++i) {
      for (int j = 0; j <= n; ++j) {
        ++counts[labmap(i, j, k)];
      }
    }
    line += "; layer " + std::to_string(k) + ":";
    for (const auto& [code, count] : counts) {
      line += " " + std::to_string(code) + "=" + std::to_string(count);
    }
  }
  return line;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << kUsage;
    return 2;
  }
  const std::string_view command = argv[1];
  const std::string path = argv[2];
  if (command != "check" && command != "turn") {
    std::cerr << "quib-level: unknown command " << command << "\n" << kUsage;
    return 2;
  }
  if (command == "check" && argc != 3) {
    std::cerr << kUsage;
    return 2;
  }
  for (int a = 3; a < argc; ++a) {
    const std::string_view turn = argv[a];
    if (turn != "left" && turn != "right") {
      std::cerr << "quib-level: unknown turn " << turn << " (left or right)\n" << kUsage;
      return 2;
    }
  }

  auto world = std::make_unique<quib::World>();
  const quib::LevelRead level = quib::readLevel(path, world->labmap);
  if (!level.ok()) {
    std::cerr << "quib-level: " << level.error << '\n';
    return 1;
  }
  if (command == "check") {
    std::cout << summary(path, world->labmap, level.n) << '\n';
    return 0;
  }
  quib::placeViewer(*world, level.n);
  for (int a = 3; a < argc; ++a) {
    if (std::string_view(argv[a]) == "left") {
      quib::LeftRound(*world);
    } else {
      quib::RightRound(*world);
    }
  }
  quib::writeLevel(std::cout, world->labmap, level.n);
  std::cout.flush();
  if (!std::cout) {
    std::cerr << "quib-level: cannot write the turned level to standard output\n";
    return 1;
  }
  return 0;
}
