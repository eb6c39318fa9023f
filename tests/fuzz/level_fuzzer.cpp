// libFuzzer: any bytes as a level file. An accepted level has an extent of at most 100; a
// refused one leaves the grid as it was and says why in one line naming the file.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "require.hpp"
#include "world/level_file.hpp"

namespace {

const std::string& scratch() {
  static const std::string path = "/tmp/quib_level_fuzz_" + std::to_string(getpid());
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  {
    std::ofstream out(scratch(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  static auto labmap = std::make_unique<quib::Labmap>();
  static auto before = std::make_unique<quib::Labmap>();
  (*labmap)(0, 0, 0) = 42;
  (*labmap)(100, 100, 1) = -42;
  *before = *labmap;
  const quib::LevelRead level = quib::readLevel(scratch(), *labmap);
  if (level.ok()) {
    quib::require(level.n <= quib::kGridMax, "extent above 100", std::to_string(level.n));
  } else {
    quib::require(*labmap == *before, "the grid changed", level.error);
    quib::require(level.error.find('\n') == std::string::npos, "more than one line", level.error);
    quib::require(level.error.find(scratch()) != std::string::npos, "the file unnamed",
                  level.error);
  }
  return 0;
}
