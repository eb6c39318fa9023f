// quib-makeicons: draws the game's icon at each size a desktop looks for, as PNG files in
// the hicolor theme's layout: DIR/hicolor/NxN/apps/NAME.png.
#include <filesystem>
#include <iostream>
#include <string>

#include "platform/failure.hpp"
#include "platform/picture_file.hpp"
#include "ui/quib_picture.hpp"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: quib-makeicons DIR NAME\n";
    return 2;
  }
  const std::filesystem::path root = argv[1];
  const std::string name = argv[2];
  try {
    for (const int side : {16, 32, 48, 64, 128, 256}) {
      const std::string size = std::to_string(side) + "x" + std::to_string(side);
      const std::filesystem::path folder = root / "hicolor" / size / "apps";
      std::filesystem::create_directories(folder);
      quib::savePng(quib::drawQuibPicture(side, side), (folder / (name + ".png")).string());
    }
  } catch (const std::exception& error) {
    std::cerr << "quib-makeicons: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
