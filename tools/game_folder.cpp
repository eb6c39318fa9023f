// The shipped game folder's files, each made by the project's own code.
#include "tools/game_folder.hpp"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string_view>
#include <vector>

#include "formats/chime.hpp"
#include "formats/output_file.hpp"
#include "formats/wav_encode.hpp"
#include "platform/failure.hpp"
#include "platform/picture_file.hpp"
#include "tools/artwork.hpp"
#include "world/level_file.hpp"

namespace quib {
namespace {

void write(const std::string& path, std::string_view bytes) {
  const std::string error = writeWholeFile(path, bytes);
  if (!error.empty()) {
    throw Failure("cannot write " + path + ": " + error);
  }
}

// Reads the hand-made level and writes it in the file's own form: a level that does not read
// stops the making.
void copyLevel(const std::string& from, const std::filesystem::path& to) {
  auto labmap = std::make_unique<Labmap>();
  const LevelRead level = readLevel(from, *labmap);
  if (!level.ok()) {
    throw Failure(level.error);
  }
  std::filesystem::create_directories(to.parent_path());
  std::ostringstream out;
  writeLevel(out, *labmap, level.n);
  write(to.string(), out.str());
}

}  // namespace

void makeGameFolder(const std::string& root, const std::string& levelSource) {
  const std::filesystem::path folder = root;
  std::filesystem::create_directories(folder / "x");
  std::filesystem::create_directories(folder / "bin");
  saveBmp(artwork::backdrop(), (folder / "x" / "p3.bmp").string());
  saveBmp(artwork::brickWall(), (folder / "x" / "wall.bmp").string());
  saveBmp(artwork::door(), (folder / "x" / "door.bmp").string());
  saveBmp(artwork::lift(), (folder / "x" / "lift.bmp").string());
  saveBmp(artwork::powerSwitch(), (folder / "x" / "powon.bmp").string());
  const std::vector<std::uint8_t> chime = encodeWav(synthesizeChime(kChimeRate, 1.0), kChimeRate);
  write((folder / "bin" / "tada.wav").string(),
        std::string_view(reinterpret_cast<const char*>(chime.data()), chime.size()));
  copyLevel(levelSource, folder / "lab" / "firstwin.lab" / "level0.dat");
}

}  // namespace quib
