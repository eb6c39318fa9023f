// quib-level: checks a level file or writes it turned, for level designers.
#include <array>
#include <cstdio>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

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

constexpr int kUsageError = 2;

int usage(const std::string& complaint = {}) {
  if (!complaint.empty()) {
    std::cerr << "quib-level: " << complaint << '\n';
  }
  std::cerr << kUsage;
  return kUsageError;
}

// Reads the level or says why not; the world's viewer is placed as the game places it.
std::unique_ptr<quib::World> load(const std::string& path, int& n) {
  auto world = std::make_unique<quib::World>();
  const quib::LevelRead level = quib::readLevel(path, world->labmap);
  if (!level.ok()) {
    std::cerr << "quib-level: " << level.error << '\n';
    return nullptr;
  }
  n = level.n;
  quib::placeViewer(*world, n);
  return world;
}

// Standard output holds the result: a failure to write it is a failure of the command.
int flushed(const char* what) {
  std::cout.flush();
  if (!std::cout) {
    std::cerr << "quib-level: cannot write " << what << " to standard output\n";
    return 1;
  }
  return 0;
}

int check(const std::vector<std::string_view>& args) {
  if (args.size() != 1) {
    return usage();
  }
  int n = 0;
  const auto world = load(std::string(args[0]), n);
  if (!world) {
    return 1;
  }
  std::cout << summary(std::string(args[0]), world->labmap, n) << '\n';
  return flushed("the summary");
}

int turn(const std::vector<std::string_view>& args) {
  if (args.empty()) {
    return usage();
  }
  for (std::size_t a = 1; a < args.size(); ++a) {
    if (args[a] != "left" && args[a] != "right") {
      return usage("unknown turn " + std::string(args[a]) + " (left or right)");
    }
  }
  int n = 0;
  const auto world = load(std::string(args[0]), n);
  if (!world) {
    return 1;
  }
  for (std::size_t a = 1; a < args.size(); ++a) {
    if (args[a] == "left") {
      quib::LeftRound(*world);
    } else {
      quib::RightRound(*world);
    }
  }
  quib::writeLevel(std::cout, world->labmap, n);
  return flushed("the turned level");
}

struct Command {
  std::string_view name;
  int (*run)(const std::vector<std::string_view>& args);
};

constexpr Command kCommands[] = {{"check", check}, {"turn", turn}};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    return usage();
  }
  const std::string_view name = argv[1];
  const std::vector<std::string_view> args(argv + 2, argv + argc);
  for (const Command& command : kCommands) {
    if (command.name == name) {
      return command.run(args);
    }
  }
  return usage("unknown command " + std::string(name));
}
