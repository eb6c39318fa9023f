// quib-shot: runs the game's start-up and keys headless and writes what the window shows.
#include <charconv>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/failure.hpp"
#include "platform/picture_file.hpp"
#include "platform/session.hpp"
#include "platform/text.hpp"
#include "ui/game_window.hpp"
#include "ui/start_screen.hpp"
#include "world/key_codes.hpp"

namespace {

constexpr const char* kUsage =
    "usage: quib-shot [--game DIR] [--keys K,K,...] --out FILE.png\n"
    "       quib-shot --start-screen --out FILE.png\n";

// Virtual-key codes run from 1 to this.
constexpr int kLastKeyCode = 254;

// Decimal virtual-key codes, comma separated; Escape would end the game, so it is refused.
std::vector<std::int16_t> parseKeys(std::string_view list) {
  std::vector<std::int16_t> keys;
  while (!list.empty()) {
    const std::size_t comma = list.find(',');
    const std::string_view item = list.substr(0, comma);
    int code = 0;
    const auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), code);
    if (item.empty() || error != std::errc() || end != item.data() + item.size() || code < 1 ||
        code > kLastKeyCode) {
      throw quib::Failure("--keys: \"" + std::string(item) +
                          "\" is not a virtual-key code (1 to 254)");
    }
    if (code == quib::vk::kEscape) {
      throw quib::Failure("--keys: Escape (27) ends the game and cannot be shot");
    }
    keys.push_back(static_cast<std::int16_t>(code));
    list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
  }
  return keys;
}

struct Options {
  std::optional<std::string> gameDir;
  std::string keyList;
  std::string out;
  bool startScreen = false;
};

// The command line's options; nothing when it is not a valid command line.
std::optional<Options> parseOptions(int argc, char** argv) {
  Options options;
  for (int a = 1; a < argc; ++a) {
    const std::string_view flag = argv[a];
    if (flag == "--start-screen") {
      options.startScreen = true;
      continue;
    }
    if (a + 1 >= argc || (flag != "--game" && flag != "--keys" && flag != "--out")) {
      return std::nullopt;
    }
    const char* value = argv[++a];
    if (flag == "--game") {
      options.gameDir = value;
    } else if (flag == "--keys") {
      options.keyList = value;
    } else {
      options.out = value;
    }
  }
  if (options.out.empty() ||
      (options.startScreen && (options.gameDir || !options.keyList.empty()))) {
    return std::nullopt;
  }
  return options;
}

// Runs the game's start-up and keys and writes the client area; throws Failure.
void shoot(const Options& options) {
  if (options.startScreen) {
    const quib::Font font;
    quib::savePng(quib::StartScreen(font).picture(), options.out);
    return;
  }
  const std::vector<std::int16_t> keys = parseKeys(options.keyList);
  // The game runs in its own folder, so the output path is fixed before it is entered.
  const std::string out = std::filesystem::absolute(options.out).string();
  const std::string driveX = quib::enterGameFolder(options.gameDir);
  const quib::Font font;
  quib::GameWindow game(font);
  game.Form_Load(driveX);
  for (const std::int16_t key : keys) {
    game.keyDown(key);
  }
  quib::savePng(game.clientArea(), out);
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<Options> options = parseOptions(argc, argv);
  if (!options) {
    std::cerr << kUsage;
    return 2;
  }
  const quib::PlatformSession session;
  try {
    shoot(*options);
    return 0;
  } catch (const std::exception& error) {
    std::cerr << "quib-shot: " << error.what() << '\n';
    return 1;
  }
}
