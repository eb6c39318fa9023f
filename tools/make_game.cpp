// quib-makegame: makes the shipped game folder: draws the pictures, synthesises the chime and
// writes the hand-made level.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "formats/chime.hpp"
#include "formats/output_file.hpp"
#include "platform/failure.hpp"
#include "platform/picture_file.hpp"
#include "tools/artwork.hpp"
#include "world/level_file.hpp"

namespace {

void put(std::string& out, std::uint32_t value, int bytes) {
  for (int k = 0; k < bytes; ++k) {
    out += static_cast<char>(value >> (8 * k));
  }
}

// Every file of the folder is written whole or not at all.
void write(const std::string& path, const std::string& bytes) {
  const std::string error = quib::writeWholeFile(path, bytes);
  if (!error.empty()) {
    throw quib::Failure("cannot write " + path + ": " + error);
  }
}

// A mono 16-bit PCM WAV file: the RIFF header, the format chunk, the samples.
void writeWav(const std::vector<std::int16_t>& samples, int rate, const std::string& path) {
  constexpr std::uint32_t kFormatChunkSize = 16;
  constexpr std::uint32_t kPcm = 1;
  constexpr std::uint32_t kChannels = 1;
  constexpr std::uint32_t kBytesPerSample = 2;
  constexpr std::uint32_t kRiffOverhead = 36;  // the chunks' headers after "RIFF" and its size
  std::string out;
  const auto bytes = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
  out += "RIFF";
  put(out, kRiffOverhead + bytes, 4);
  out += "WAVEfmt ";
  put(out, kFormatChunkSize, 4);
  put(out, kPcm, 2);
  put(out, kChannels, 2);
  put(out, static_cast<std::uint32_t>(rate), 4);
  put(out, static_cast<std::uint32_t>(rate) * kChannels * kBytesPerSample, 4);
  put(out, kChannels * kBytesPerSample, 2);
  put(out, kBytesPerSample * 8, 2);
  out += "data";
  put(out, bytes, 4);
  for (const std::int16_t sample : samples) {
    put(out, static_cast<std::uint16_t>(sample), 2);
  }
  write(path, out);
}

// Reads the hand-made level and writes it in the file's own form: a level that does not read
// stops the build.
void copyLevel(const std::string& from, const std::filesystem::path& to) {
  auto labmap = std::make_unique<quib::Labmap>();
  const quib::LevelRead level = quib::readLevel(from, *labmap);
  if (!level.ok()) {
    throw quib::Failure(level.error);
  }
  std::filesystem::create_directories(to.parent_path());
  std::ostringstream out;
  quib::writeLevel(out, *labmap, level.n);
  write(to.string(), out.str());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: quib-makegame GAME_FOLDER LEVEL\n";
    return 2;
  }
  const std::filesystem::path root = argv[1];
  try {
    std::filesystem::create_directories(root / "x");
    std::filesystem::create_directories(root / "bin");
    quib::saveBmp(quib::artwork::backdrop(), (root / "x" / "p3.bmp").string());
    quib::saveBmp(quib::artwork::brickWall(), (root / "x" / "wall.bmp").string());
    quib::saveBmp(quib::artwork::door(), (root / "x" / "door.bmp").string());
    quib::saveBmp(quib::artwork::lift(), (root / "x" / "lift.bmp").string());
    quib::saveBmp(quib::artwork::powerSwitch(), (root / "x" / "powon.bmp").string());
    writeWav(quib::synthesizeChime(quib::kChimeRate, 1.0), quib::kChimeRate,
             (root / "bin" / "tada.wav").string());
    copyLevel(argv[2], root / "lab" / "firstwin.lab" / "level0.dat");
  } catch (const std::exception& error) {
    std::cerr << "quib-makegame: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
