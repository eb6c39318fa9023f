// quib-makegame: makes the shipped game folder: draws the pictures, synthesises the chime and
// writes the hand-made level.
#include <exception>
#include <iostream>

#include "tools/game_folder.hpp"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: quib-makegame GAME_FOLDER LEVEL\n";
    return 2;
  }
  try {
    quib::makeGameFolder(argv[1], argv[2]);
  } catch (const std::exception& error) {
    std::cerr << "quib-makegame: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
