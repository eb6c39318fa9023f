// quib: the game. Opens the game window on the shipped game folder, or on --game DIR.
#include <cstring>
#include <iostream>
#include <optional>
#include <string>

#include "platform/failure.hpp"
#include "platform/session.hpp"
#include "ui/game_window.hpp"

int main(int argc, char** argv) {
  std::optional<std::string> gameDir;
  for (int a = 1; a < argc; ++a) {
    if (std::strcmp(argv[a], "--game") == 0 && a + 1 < argc) {
      gameDir = argv[++a];
    } else {
      std::cerr << "usage: quib [--game DIR]\n";
      return 2;
    }
  }
  const quib::PlatformSession session;
  try {
    return quib::playGame(quib::enterGameFolder(gameDir));
  } catch (const std::exception& error) {  // quib::Failure and whatever the library throws
    quib::reportError(error.what());
    return 1;
  }
}
