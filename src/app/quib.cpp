// quib: the game. The start screen first; "Start" opens the game on the shipped game folder,
// or on --game DIR.
#include <charconv>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "platform/desktop.hpp"
#include "platform/failure.hpp"
#include "platform/session.hpp"
#include "platform/text.hpp"
#include "ui/game_window.hpp"
#include "ui/program.hpp"

namespace {

constexpr const char* kUsage = "usage: quib [--game DIR] [--scale N]\n";
constexpr int kMaxScale = 8;

std::optional<int> scaleOf(std::string_view text) {
  int scale = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), scale);
  if (error != std::errc() || end != text.data() + text.size() || scale < 1 || scale > kMaxScale) {
    return std::nullopt;
  }
  return scale;
}

}  // namespace

int main(int argc, char** argv) {
  std::optional<std::string> gameDir;
  int scale = 1;
  for (int a = 1; a < argc; ++a) {
    const std::string_view flag = argv[a];
    if (flag == "--game" && a + 1 < argc) {
      gameDir = argv[++a];
    } else if (flag == "--scale" && a + 1 < argc) {
      const auto parsed = scaleOf(argv[++a]);
      if (!parsed) {
        std::cerr << "quib: --scale takes a whole number from 1 to " << kMaxScale << "\n" << kUsage;
        return 2;
      }
      scale = *parsed;
    } else {
      std::cerr << kUsage;
      return 2;
    }
  }
  const quib::PlatformSession session;
  try {
    const std::string driveX = quib::enterGameFolder(gameDir);
    const quib::Font font;
    const auto desktop = quib::openDesktop();
    return quib::runProgram(*desktop, font, {driveX, scale});
  } catch (const std::exception& error) {  // quib::Failure and whatever the library throws
    quib::reportError(error.what());
    return 1;
  }
}
